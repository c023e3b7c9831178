#pragma once

#include "files/FileError.h"

class Dialogs;

// Tells the user, in a box titled "Error" with the stop icon, which file
// operation failed and why. Returns false, for the caller to return.
bool reportFailure(Dialogs &dialogs, const FileError &error);
