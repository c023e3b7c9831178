#pragma once

#include "dialogs/Dialogs.h"

class QWidget;

// Asks for a file with the file dialog at home on this system, owned by
// `owner`: on Windows the system's own, elsewhere Qt's. Returns the chosen
// path with '/' between its folders, as typed (no extension added and no
// question of the dialog's own), or an empty text when the user cancels. A
// dialog that cannot be shown is told through `dialogs` and returns an empty
// text.
QString askWithPlatformFileDialog(QWidget *owner, const FileDialogSetup &setup, Dialogs &dialogs);
