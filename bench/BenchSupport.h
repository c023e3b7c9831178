#pragma once

#include "dialogs/Dialogs.h"

class Installer;

#include <QByteArray>
#include <QString>
#include <QStringList>

// A folder for a benchmark's files, made anew under $SKYLYRE_BENCH_DIR (a
// folder on the disk under test; scripts/bench.sh sets one in build/bench)
// or else the system's temporary folder.
QString benchFolder(const QString &name);

// Writes a file and waits until it is on disk, so that a timed step that
// follows does not pay for it.
void writeDurably(const QString &path, const QByteArray &content);

// Runs a program with its arguments and waits for it; stops the benchmark
// run if it fails.
void runProgram(const QStringList &command);
// The same, for a program that reports on its standard output: what it printed.
QByteArray outputOf(const QStringList &command);

// Chooses cessna172.air in `folder`, as Open does: the aircraft the install
// benchmarks install into.
void chooseBenchAircraft(Installer &installer, const QString &folder);

// Answers Yes to every question and each file dialog with the next of
// `files` (cancels when there is none), and counts the "Error" messages.
class YesDialogs : public Dialogs
{
public:
    Answer messageBox(const QString &prompt, Buttons buttons, const QString &title, Icon icon) override;
    QString askFileName(const FileDialogSetup &) override;
    void shellOpen(const QString &) override { }

    QStringList files;
    int errors = 0;
    QString lastError;
};

// Stops the whole run with a message: a benchmark that measured the wrong
// thing must not print a figure.
[[noreturn]] void benchFailure(const QString &what);
