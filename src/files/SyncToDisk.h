#pragma once

class QString;

// Puts the data of the open file `fd` on disk; false, with errno, when the
// system says it could not. Defined once for each system.
bool syncToDisk(int fd);

// Puts the names of the files in `folder` on disk, so that files moved into
// their places there stay so after a power cut; false, with errno, when the
// system says it could not.
bool syncFolder(const QString &folder);
