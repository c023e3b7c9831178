#pragma once

#include "files/LabelledFolder.h"
#include "simulator/WinePrefixes.h"

#include <QList>

// The FS2004 "Aircraft" folders in the Wine prefixes of `home`
// (winePrefixesOf): in each prefix those below the install folders that its
// registry names, else below the usual ones on drive C. Each folder is
// labelled by its prefix's place.
QList<LabelledFolder> findInWinePrefixes(const WineHome &home);
