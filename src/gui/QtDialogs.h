#pragma once

#include "dialogs/Dialogs.h"

class QWidget;

// The dialogs shown with Qt: message boxes, the file dialog and the desktop's
// default programs. They belong to `window`, or else to the window that is
// active when they are shown.
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget *window = nullptr);

    Answer messageBox(const QString &prompt, Buttons buttons, const QString &title,
                      Icon icon = Icon::None) override;
    QString askFileName(const FileDialogSetup &setup) override;
    void shellOpen(const QString &document) override;

private:
    QWidget *owner() const;

    QWidget *window;
};
