#pragma once

#include "files/LabelledFolder.h"

#include <QList>
#include <QUrl>

class QAbstractItemView;
class QFileDialog;
class QSplitter;

// Adds folders to the side bar of Qt's own file dialog, each under its label,
// for as long as this lives.
//
// Qt names a side bar entry after its folder, so that every FS2004 "Aircraft"
// folder would read the same: the entries show their labels instead, and the
// side bar, as wide as its first entry, is widened to show them whole. Qt
// keeps the side bar of the last dialog for the next (in QtProject.conf), so
// the folders and the width are taken back before the dialog ends: they are
// this dialog's alone.
class FileDialogSidebar
{
public:
    FileDialogSidebar(QFileDialog &dialog, const QList<LabelledFolder> &folders);
    ~FileDialogSidebar();
    FileDialogSidebar(const FileDialogSidebar &) = delete;
    FileDialogSidebar &operator=(const FileDialogSidebar &) = delete;

private:
    void showLabels(const QList<LabelledFolder> &folders);
    void widen();

    QFileDialog &dialog;
    QAbstractItemView *sidebar;
    QSplitter *splitter;
    QList<QUrl> added;
    QList<int> usualSizes; // of the side bar and the file list, before widening
};
