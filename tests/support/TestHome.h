#pragma once

#include <QTemporaryDir>

// A home folder of the test program's own, for the whole run: HOME and the
// XDG folders point into a fresh temporary folder, so that no test reads or
// writes the user's real home (Qt's file dialog, for one, keeps its state in
// the configuration folder). Made before the application, removed at exit.
class TestHome
{
public:
    TestHome();

private:
    QTemporaryDir home;
};
