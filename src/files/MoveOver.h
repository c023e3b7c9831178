#pragma once

#include <QString>

// Puts the file `source` in the place of `target` in one step of the file
// system, replacing it: a program that looks at `target` sees either the old
// file or the new one whole. Both in the same folder. False, with the
// system's reason, when it could not. Defined once for each system.
bool moveOver(const QString &source, const QString &target, QString *reason);
