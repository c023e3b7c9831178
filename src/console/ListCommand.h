#pragma once

struct CommandLineRequest;
class QTextStream;

// Lists every aircraft below the request's folders (else below every FS2004
// Aircraft folder found): a line each, or JSON with --json. Returns the
// program's exit code: 0, or 1 when an aircraft or a folder could not be read.
int runList(const CommandLineRequest &request, QTextStream &out, QTextStream &err);
