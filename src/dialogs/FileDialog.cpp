#include "dialogs/FileDialog.h"

#include <QFileInfo>

FileDialog::FileDialog(Dialogs &dialogs)
    : dialogs(dialogs)
{
}

void FileDialog::showOpen()
{
    show(FileDialogKind::Open);
}

void FileDialog::showSave()
{
    show(FileDialogKind::Save);
}

void FileDialog::show(FileDialogKind kind)
{
    setup.kind = kind;
    chosenPath = dialogs.askFileName(setup);
    chosenTitle = chosenPath.isEmpty() ? QString() : QFileInfo(chosenPath).fileName();
}
