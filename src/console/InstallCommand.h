#pragma once

struct CommandLineRequest;
class QTextStream;

// Installs the player into each aircraft of the request, as the window's
// Write does with the request's choices, printing a line for each and then a
// summary. Returns the program's exit code: 0 when every aircraft has it, 1
// when one or more failed.
int runInstall(const CommandLineRequest &request, QTextStream &out);
