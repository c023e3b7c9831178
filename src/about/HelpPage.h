#pragma once

#include <QString>

// The help page, in the folder the program is started in, in the language
// the program speaks: "help_de.htm" when that folder has it, else
// "help.htm". Both windows open it with the desktop's default program.
QString helpPage();
