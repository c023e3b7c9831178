#pragma once

#include <QByteArray>

// The Skylyre page: a script and a form that the kneeboard shows as a page.
// Five lines joined by CR LF, with no line end after the last; 671 bytes.
QByteArray buildPlayerPage();
