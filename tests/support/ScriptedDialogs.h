#pragma once

#include "dialogs/Dialogs.h"

#include <QStringList>

#include <deque>
#include <variant>
#include <vector>

// One thing the program asked of the user or handed to the desktop.
struct DialogCall
{
    enum Kind { Message, OpenFile, SaveFile, Shell };
    Kind kind;
    QString text; // the prompt, the file filter, or the document opened
    int code = 0; // the message box's buttons code
    QString title;
    QString startFolder = {}; // of a file dialog
    QList<LabelledFolder> sidebarFolders = {};
};

// Dialogs for tests: answers questions and file dialogs from a queue, records
// every call, and fails the test when it is asked something it has no answer
// for or when answers are left over. A box with OK alone needs no answer.
class ScriptedDialogs : public Dialogs
{
public:
    ~ScriptedDialogs() override;

    ScriptedDialogs &answer(int answerCode);
    ScriptedDialogs &choose(const QString &path); // an empty path cancels

    int messageBox(const QString &prompt, int buttons, const QString &title) override;
    QString askFileName(const FileDialogSetup &setup) override;
    void shellOpen(const QString &document) override;

    QStringList prompts() const;
    std::vector<DialogCall> messages() const;
    bool answersLeft() const { return !answers.empty(); }

    std::vector<DialogCall> calls;

private:
    std::deque<std::variant<int, QString>> answers;
};
