#include "dialogs/FileDialog.h"

#include <QFileInfo>

FileDialog::FileDialog(Dialogs &dialogs)
    : dialogs(dialogs)
{
}

void FileDialog::ShowOpen()
{
    show(FileDialogKind::Open);
}

void FileDialog::ShowSave()
{
    show(FileDialogKind::Save);
}

void FileDialog::show(FileDialogKind kind)
{
    fileName = dialogs.askFileName({kind, Filter, InitDir, SidebarFolders});
    fileTitle = fileName.isEmpty() ? QString() : QFileInfo(fileName).fileName();
}
