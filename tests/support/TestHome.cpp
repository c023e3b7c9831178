#include "TestHome.h"

#include <QDir>

TestHome::TestHome()
{
    if (!home.isValid())
        qFatal("No temporary home folder for the tests: %s", qPrintable(home.errorString()));
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("USERPROFILE", QDir::toNativeSeparators(home.path()).toLocal8Bit());
    // Unset, each falls back to its folder in HOME.
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qunsetenv(variable);
}
