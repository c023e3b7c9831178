#pragma once

#include <QByteArray>

// The Skylyre page: a script and a form that the kneeboard shows as a page.
// Five lines joined by CR LF, with no line end after the last; 671 bytes.
QByteArray buildPlayerPage();

// Whether `page` holds the player anywhere, as list tells. (A removal takes
// out only copies at the page's end, each with the CR LF an install adds.)
bool holdsPlayer(QByteArrayView page);
