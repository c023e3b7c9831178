#include "gui/PlatformFileDialog.h"

#include "about/MessageTitles.h"
#include "gui/CommonItemDialog.h"

#include <QCoreApplication>
#include <QWidget>

QString askWithPlatformFileDialog(QWidget *owner, const FileDialogSetup &setup, Dialogs &dialogs)
{
    CommonItemDialog dialog(setup);
    const QString chosen = dialog.show(owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr);
    if (FAILED(dialog.status()))
        dialogs.messageBox(
            QCoreApplication::translate("PlatformFileDialog", "The file dialog could not be shown: %1")
                .arg(qt_error_string(dialog.status())),
            Dialogs::Buttons::Ok, MessageTitles::error(), Dialogs::Icon::Error);
    return chosen;
}
