#pragma once

#include <QString>

// Aircraft folders often come from Windows, where names differ in case only on
// screen. Returns `path` when the folder lists that exact name; else the
// path of an entry in the same folder whose name differs only in case; else
// `path` unchanged, so that a new file gets the exact name asked for.
QString existingCaseOf(const QString &path);

// `relative` ('/' or '\' between names) followed down from `folder`, each name
// found in any case as existingCaseOf finds it.
QString existingCaseOfPath(const QString &folder, const QString &relative);
