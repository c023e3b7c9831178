#pragma once

#include "dialogs/Dialogs.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

// Helpers shared by the fuzz targets. A target checks its invariants with
// require(), which reports and aborts, so libFuzzer saves the input.

// Stops the run, printing `what`, when `condition` is false.
void require(bool condition, const char *what);
// Prints two byte strings where they first differ, then stops the run.
[[noreturn]] void failDiffering(const char *what, const QByteArray &got, const QByteArray &expected);

// A folder of this process's own for the target's files, on tmpfs where
// there is one (syncs cost nothing there). Removed at exit.
const QString &scratchFolder();
void writeFile(const QString &path, const QByteArray &content);
QByteArray readFile(const QString &path);
bool exists(const QString &path);
void removeIfThere(const QString &path);

// The lines of a text as TextFile.h defines them, written apart from
// TextFile: a line ends at CR LF, a lone CR or a lone LF; a last line without
// a terminator counts, and there is no empty line after a final terminator.
QList<QByteArray> referenceLines(const QByteArray &text);

// Answers the program's questions from a script, like the tests'
// ScriptedDialogs; a question with no answer stops the run.
class FuzzDialogs : public Dialogs
{
public:
    void answer(Answer answer) { answers.push_back(answer); }

    Answer messageBox(const QString &prompt, Buttons buttons, const QString &title, Icon icon) override;
    QString askFileName(const FileDialogSetup &setup) override;
    void shellOpen(const QString &document) override;

    QStringList titles; // of every message box shown, in order
    QStringList prompts;

private:
    std::deque<Answer> answers;
};
