#pragma once

#include <QString>

enum class FileDialogKind { Open, Save };

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

    // Shows a modal Open or Save As dialog listing the files that match
    // `filter` ("description|pattern"); returns the chosen path, or an empty
    // text when the user cancels.
    virtual QString askFileName(FileDialogKind kind, const QString &filter) = 0;

    // Opens a document or web address with the desktop's default program.
    // Whether that worked is not reported.
    virtual void shellOpen(const QString &document) = 0;
};
