#include "dialogs/FailureReport.h"

#include "dialogs/Dialogs.h"
#include "dialogs/MessageTitles.h"

bool reportFailure(Dialogs &dialogs, const FileError &error)
{
    dialogs.messageBox(error.message(), Dialogs::Buttons::Ok, MessageTitles::error, Dialogs::Icon::Error);
    return false;
}
