#pragma once

#include "platform/Dialogs.h"

class QWidget;

// The dialogs of a window, shown with Qt: message boxes, the file dialog and
// the desktop's default programs.
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget *window);

    int messageBox(const QString &prompt, int buttons, const QString &title) override;
    QString askFileName(FileDialogKind kind, const QString &filter) override;
    void shellOpen(const QString &document) override;

private:
    QWidget *window;
};
