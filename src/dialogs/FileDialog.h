#pragma once

#include "dialogs/Dialogs.h"

// The file dialog of a window: set its filter (and, where wanted, the folder
// it starts in and the folders of its side bar), show it, then read the file
// chosen: its full path and its title (the name without its folder). A
// cancelled dialog leaves both empty, whatever an earlier use returned.
class FileDialog
{
public:
    explicit FileDialog(Dialogs &dialogs);

    void setFilter(const QString &filter) { setup.filter = filter; }           // "description|pattern"
    void setStartFolder(const QString &folder) { setup.startFolder = folder; } // empty: its default
    void setSidebarFolders(const QList<LabelledFolder> &folders) { setup.sidebarFolders = folders; }
    const QList<LabelledFolder> &sidebarFolders() const { return setup.sidebarFolders; }

    void showOpen();
    void showSave();
    QString fileName() const { return chosenPath; }
    QString fileTitle() const { return chosenTitle; }

private:
    void show(FileDialogKind kind);

    Dialogs &dialogs;
    FileDialogSetup setup;
    QString chosenPath;
    QString chosenTitle;
};
