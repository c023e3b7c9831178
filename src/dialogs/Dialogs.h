#pragma once

#include "files/LabelledFolder.h"

#include <QList>
#include <QString>

enum class FileDialogKind { Open, Save, Folder };

// What a file dialog is shown with.
struct FileDialogSetup
{
    FileDialogKind kind = FileDialogKind::Open;
    QString filter;           // "description|pattern"
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
    // The buttons and icon of a message box, and the answer of its user.
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Icon { None, Error };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;

    // Shows a modal box with `prompt` (a CR or CR LF starts a new line),
    // `buttons`, `title` and `icon`; returns the button pressed. Closing an
    // OK/Cancel box answers Cancel; a Yes/No box can only be answered Yes or No.
    virtual Answer messageBox(const QString &prompt, Buttons buttons, const QString &title,
                              Icon icon = Icon::None) = 0;

    // Shows a modal Open or Save As dialog listing the files that match the
    // setup's filter, or a dialog that chooses a folder; returns the chosen
    // path, or an empty text when the user cancels.
    virtual QString askFileName(const FileDialogSetup &setup) = 0;

    // Opens a document or web address with the desktop's default program.
    // Whether that worked is not reported.
    virtual void shellOpen(const QString &document) = 0;
};
