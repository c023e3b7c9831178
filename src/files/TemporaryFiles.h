#pragma once

#include <QStringList>

// The temporary files this program writes beside the files it replaces. Their
// names say whose they are ("aircraft.cfg.skylyre-x7Qp2a.tmp"), so that one
// left by a run that was cut short (killed, or the power gone) is known for
// what it is and deleted by the next run in that folder.
namespace TemporaryFiles {

// A new name for a temporary file beside `path`.
QString nameBeside(const QString &path);
// Whether `fileName` (without its folder) is such a name.
bool isTemporaryName(const QString &fileName);
// Deletes the temporary files left in `folder`; the messages of those that
// could not be deleted.
QStringList removeLeftovers(const QString &folder);

} // namespace TemporaryFiles
