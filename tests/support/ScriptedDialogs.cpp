#include "ScriptedDialogs.h"

#include "dialogs/MessageCodes.h"

#include <gtest/gtest.h>

namespace {

bool answerFits(int buttons, int answer)
{
    switch (buttons & ~MB_ICONERROR) {
    case MB_OKCANCEL:
        return answer == IDOK || answer == IDCANCEL;
    case MB_YESNO:
        return answer == IDYES || answer == IDNO;
    default:
        return answer == IDOK;
    }
}

} // namespace

ScriptedDialogs::~ScriptedDialogs()
{
    EXPECT_TRUE(answers.empty()) << answers.size() << " scripted answer(s) were never asked for";
}

ScriptedDialogs &ScriptedDialogs::answer(int answerCode)
{
    answers.emplace_back(answerCode);
    return *this;
}

ScriptedDialogs &ScriptedDialogs::choose(const QString &path)
{
    answers.emplace_back(path);
    return *this;
}

int ScriptedDialogs::messageBox(const QString &prompt, int buttons, const QString &title)
{
    calls.push_back({DialogCall::Message, prompt, buttons, title});
    if ((buttons & ~MB_ICONERROR) == MB_OK)
        return IDOK;
    if (answers.empty() || !std::holds_alternative<int>(answers.front())) {
        ADD_FAILURE() << "no scripted answer for the question \"" << prompt.toStdString() << '"';
        return (buttons & ~MB_ICONERROR) == MB_YESNO ? IDNO : IDCANCEL;
    }
    const int answer = std::get<int>(answers.front());
    answers.pop_front();
    EXPECT_TRUE(answerFits(buttons, answer))
        << "answer " << answer << " cannot be given to \"" << prompt.toStdString() << '"';
    return answer;
}

QString ScriptedDialogs::askFileName(const FileDialogSetup &setup)
{
    calls.push_back({setup.kind == FileDialogKind::Open ? DialogCall::OpenFile : DialogCall::SaveFile,
                     setup.filter, 0, {}, setup.startFolder, setup.sidebarFolders});
    if (answers.empty() || !std::holds_alternative<QString>(answers.front())) {
        ADD_FAILURE() << "no scripted file name for the dialog \"" << setup.filter.toStdString() << '"';
        return {};
    }
    const QString path = std::get<QString>(answers.front());
    answers.pop_front();
    return path;
}

void ScriptedDialogs::shellOpen(const QString &document)
{
    calls.push_back({DialogCall::Shell, document, 0, {}});
}

QStringList ScriptedDialogs::prompts() const
{
    QStringList result;
    for (const DialogCall &call : calls) {
        if (call.kind == DialogCall::Message)
            result << call.text;
    }
    return result;
}

std::vector<DialogCall> ScriptedDialogs::messages() const
{
    std::vector<DialogCall> result;
    for (const DialogCall &call : calls) {
        if (call.kind == DialogCall::Message)
            result.push_back(call);
    }
    return result;
}
