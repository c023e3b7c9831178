#pragma once

#include "dialogs/Dialogs.h"

// The file dialog of a window: set Filter (and, where wanted, InitDir and
// SidebarFolders), call ShowOpen or ShowSave, then read FileName (full path)
// and FileTitle (name without its folder). A cancelled dialog leaves both
// empty, whatever an earlier use returned.
class FileDialog
{
public:
    explicit FileDialog(Dialogs &dialogs);

    QString Filter;
    QString InitDir; // the folder the dialog starts in; empty: its default
    QList<LabelledFolder> SidebarFolders;

    void ShowOpen();
    void ShowSave();
    QString FileName() const { return fileName; }
    QString FileTitle() const { return fileTitle; }

private:
    void show(FileDialogKind kind);

    Dialogs &dialogs;
    QString fileName;
    QString fileTitle;
};
