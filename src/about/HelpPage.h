#pragma once

#include <QString>

// The help page, in the folder the program is started in; both windows open
// it with the desktop's default program.
inline const QString helpPage = QStringLiteral("help.htm");
