#pragma once

struct CommandLineRequest;
class QTextStream;

// Takes the player out of each aircraft of the request (PlayerRemoval),
// printing a line for each and then a summary. Returns the program's exit
// code: 0 when no aircraft failed (one without the player has nothing to
// remove), 1 when one or more did.
int runRemove(const CommandLineRequest &request, QTextStream &out);
