#pragma once

#include "dialogs/Dialogs.h"

#include <QStringList>

// Answers the questions of the Installer's Write as the options of the
// command line say, without a window: the command itself is the
// confirmation. Keeps the error messages for the command to print.
class AnsweringDialogs : public Dialogs
{
public:
    AnsweringDialogs(bool configureCfg, bool backup);

    Answer messageBox(const QString &prompt, Buttons buttons, const QString &title, Icon icon) override;
    // Write shows no file dialog: one would be cancelled.
    QString askFileName(const FileDialogSetup &) override { return {}; }
    void shellOpen(const QString &) override { }

    // The error messages shown since the last call.
    QStringList takeErrors();

private:
    bool configureCfg;
    bool backup;
    QStringList errors;
};
