#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

bool answerFits(Dialogs::Buttons buttons, Answer answer)
{
    switch (buttons) {
    case Dialogs::Buttons::OkCancel:
        return answer == Answer::Ok || answer == Answer::Cancel;
    case Dialogs::Buttons::YesNo:
        return answer == Answer::Yes || answer == Answer::No;
    case Dialogs::Buttons::Ok:
        break;
    }
    return answer == Answer::Ok;
}

const char *nameOf(Dialogs::Buttons buttons)
{
    switch (buttons) {
    case Dialogs::Buttons::OkCancel:
        return "OK/Cancel";
    case Dialogs::Buttons::YesNo:
        return "Yes/No";
    case Dialogs::Buttons::Ok:
        break;
    }
    return "OK";
}

} // namespace

void PrintTo(const BoxStyle &style, std::ostream *out)
{
    *out << nameOf(style.buttons) << (style.icon == Dialogs::Icon::Error ? " with the error icon" : "");
}

ScriptedDialogs::~ScriptedDialogs()
{
    EXPECT_TRUE(answers.empty()) << answers.size() << " scripted answer(s) were never asked for";
}

ScriptedDialogs &ScriptedDialogs::answer(Answer answer)
{
    answers.emplace_back(answer);
    return *this;
}

ScriptedDialogs &ScriptedDialogs::choose(const QString &path)
{
    answers.emplace_back(path);
    return *this;
}

Dialogs::Answer ScriptedDialogs::messageBox(const QString &prompt, Buttons buttons, const QString &title,
                                            Icon icon)
{
    calls.push_back({DialogCall::Message, prompt, {buttons, icon}, title});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.empty() || !std::holds_alternative<Answer>(answers.front())) {
        ADD_FAILURE() << "no scripted answer for the question \"" << prompt.toStdString() << '"';
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    const Answer answer = std::get<Answer>(answers.front());
    answers.pop_front();
    EXPECT_TRUE(answerFits(buttons, answer))
        << "answer " << int(answer) << " cannot be given to \"" << prompt.toStdString() << '"';
    return answer;
}

QString ScriptedDialogs::askFileName(const FileDialogSetup &setup)
{
    const DialogCall::Kind kind = setup.kind == FileDialogKind::Open ? DialogCall::OpenFile
        : setup.kind == FileDialogKind::Save                         ? DialogCall::SaveFile
                                                                     : DialogCall::Folder;
    calls.push_back({kind, setup.filter, {}, {}, setup.startFolder, setup.sidebarFolders});
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
    calls.push_back({DialogCall::Shell, document, {}, {}});
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
