#include "gui/PlatformFileDialog.h"

#include "gui/FileDialogSidebar.h"

#include <QFileDialog>

namespace {

// "AIR Files (*.air)|*.air" becomes Qt's "AIR Files (*.air)". Qt's own file
// dialog matches the pattern without regard to case, as Windows does.
QString qtNameFilter(const QString &filter)
{
    const QString description = filter.section(QLatin1Char('|'), 0, 0);
    const QString pattern = filter.section(QLatin1Char('|'), 1);
    const QString patternInParentheses = QStringLiteral("(%1)").arg(pattern);
    if (pattern.isEmpty() || description.endsWith(patternInParentheses))
        return description;
    return QStringLiteral("%1 %2").arg(description, patternInParentheses);
}

} // namespace

// Qt's own dialog rather than the desktop's: it lists files of any case,
// returns names as typed, without a default extension, and has a side bar
// that takes labelled folders.
QString askWithPlatformFileDialog(QWidget *owner, const FileDialogSetup &setup, Dialogs &)
{
    QFileDialog dialog(owner);
    dialog.setNameFilter(qtNameFilter(setup.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!setup.startFolder.isEmpty())
        dialog.setDirectory(setup.startFolder);
    const FileDialogSidebar sidebar(dialog, setup.sidebarFolders);
    if (setup.kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else if (setup.kind == FileDialogKind::Folder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
