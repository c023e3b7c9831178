#pragma once

#include <QStringList>

class QTextStream;

// The console program "skylyre": reads its line (the program's name first),
// runs the command and prints to `out`, usage errors to `err`. Returns the
// exit code: 0 when everything asked was done, 1 when an aircraft failed, 2
// for a line that cannot be run (nothing is touched then).
int runConsoleProgram(const QStringList &arguments, QTextStream &out, QTextStream &err);
