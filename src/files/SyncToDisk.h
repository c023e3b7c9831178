#pragma once

// Puts the data of the open file `fd` on disk; false, with errno, when the
// system says it could not. Defined once for each system.
bool syncToDisk(int fd);
