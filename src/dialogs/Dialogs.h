#pragma once

#include "simulator/LabelledFolder.h"

#include <QList>
#include <QString>

enum class FileDialogKind { Open, Save };

// What a file dialog is shown with.
struct FileDialogSetup
{
    FileDialogKind kind = FileDialogKind::Open;
    QString filter;      // "description|pattern"
    QString startFolder = {}; // empty: the dialog's own default
    // Offered in the dialog's side bar beside the usual places, for this
    // dialog alone.
    QList<LabelledFolder> sidebarFolders = {};
};

// Everything the program asks of the user or hands to the desktop goes through
// this interface, so that the logic behind the windows runs without a display.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Shows a modal box with `prompt` (a CR or CR LF starts a new line), the
    // buttons and icon of `buttons` (MessageCodes.h) and `title`; returns the
    // answer code of the button pressed.
    virtual int messageBox(const QString &prompt, int buttons, const QString &title) = 0;

    // Shows a modal Open or Save As dialog listing the files that match the
    // setup's filter; returns the chosen path, or an empty text when the user
    // cancels.
    virtual QString askFileName(const FileDialogSetup &setup) = 0;

    // Opens a document or web address with the desktop's default program.
    // Whether that worked is not reported.
    virtual void shellOpen(const QString &document) = 0;
};
