#include "commands/AnsweringDialogs.h"

#include "installer/InstallQuestions.h"

AnsweringDialogs::AnsweringDialogs(bool configureCfg, bool backup)
    : configureCfg(configureCfg)
    , backup(backup)
{
}

Dialogs::Answer AnsweringDialogs::messageBox(const QString &prompt, Buttons buttons, const QString &,
                                             Icon icon)
{
    if (icon == Icon::Error)
        errors.append(prompt);
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return prompt == InstallQuestions::confirm ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
        if (prompt == InstallQuestions::configureCfg)
            return configureCfg ? Answer::Yes : Answer::No;
        if (prompt == InstallQuestions::backupCfg)
            return backup ? Answer::Yes : Answer::No;
        break;
    }
    errors.append(QStringLiteral("No answer to \"%1\".").arg(prompt));
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

QStringList AnsweringDialogs::takeErrors()
{
    return std::exchange(errors, {});
}
