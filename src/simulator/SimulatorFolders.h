#pragma once

#include "files/LabelledFolder.h"

#include <QList>

// The "Aircraft" folders of the FS2004 installations on this computer, each
// with a label that tells installations apart: on Windows those that the
// registry names and those in the usual Program Files folders, on Linux those
// in the common Wine prefixes. Only folders that exist, each once, in the
// order searched. Reads a few small files and changes nothing; what cannot be
// read is passed over. Defined once for each system.
QList<LabelledFolder> findSimulatorFolders();
