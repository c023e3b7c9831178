#pragma once

struct CommandLineRequest;
class QTextStream;

// install and remove: the player put into each aircraft of the request (as
// the window's Write does with the request's choices) or taken out of it,
// printing a line for each and then a summary. Returns the program's exit
// code: 0 when every aircraft was done, 1 when one or more failed.
int runBatch(const CommandLineRequest &request, QTextStream &out);
