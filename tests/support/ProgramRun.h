#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What a program started by a test did: it ended normally (within a minute)
// with `exitCode`, having printed `output` and `error` (their line ends LF,
// on Windows too).
struct ProgramRun
{
    bool ended = false;
    int exitCode = -1;
    QString output;
    QString error;
};

// Runs `program` with `arguments` in `folder` (empty: the test's own) and
// `environment`, and waits for it to end.
ProgramRun runProgram(const QString &program, const QStringList &arguments, const QString &folder = {},
                      const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
