#pragma once

#include "dialogs/Dialogs.h"

#include <QStringList>

#include <deque>
#include <ostream>
#include <variant>
#include <vector>

using Answer = Dialogs::Answer;

// What a message box showed: its buttons and its icon.
struct BoxStyle
{
    Dialogs::Buttons buttons = Dialogs::Buttons::Ok;
    Dialogs::Icon icon = Dialogs::Icon::None;

    friend bool operator==(const BoxStyle &, const BoxStyle &) = default;
};
void PrintTo(const BoxStyle &style, std::ostream *out);

inline constexpr BoxStyle okBox{Dialogs::Buttons::Ok, Dialogs::Icon::None};
inline constexpr BoxStyle errorBox{Dialogs::Buttons::Ok, Dialogs::Icon::Error};
inline constexpr BoxStyle okCancelBox{Dialogs::Buttons::OkCancel, Dialogs::Icon::None};
inline constexpr BoxStyle yesNoBox{Dialogs::Buttons::YesNo, Dialogs::Icon::None};

// One thing the program asked of the user or handed to the desktop.
struct DialogCall
{
    enum Kind { Message, OpenFile, SaveFile, Folder, Shell };
    Kind kind;
    QString text;        // the prompt, the file filter, or the document opened
    BoxStyle style = {}; // of a message box
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

    ScriptedDialogs &answer(Answer answer);
    ScriptedDialogs &choose(const QString &path); // an empty path cancels

    Answer messageBox(const QString &prompt, Buttons buttons, const QString &title, Icon icon) override;
    QString askFileName(const FileDialogSetup &setup) override;
    void shellOpen(const QString &document) override;

    QStringList prompts() const;
    std::vector<DialogCall> messages() const;
    bool answersLeft() const { return !answers.empty(); }

    std::vector<DialogCall> calls;

private:
    std::deque<std::variant<Answer, QString>> answers;
};
