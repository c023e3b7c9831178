#include "gui/SystemFileDialog.h"

#include "dialogs/MessageTitles.h"
#include "gui/CommonItemDialog.h"

#include <QMessageBox>
#include <QWidget>

QString askWithSystemFileDialog(QWidget *owner, const FileDialogSetup &setup)
{
    CommonItemDialog dialog(setup);
    const QString chosen = dialog.show(owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr);
    if (FAILED(dialog.status()))
        QMessageBox::critical(
            owner, MessageTitles::error,
            QStringLiteral("The file dialog could not be shown: %1").arg(qt_error_string(dialog.status())));
    return chosen;
}
