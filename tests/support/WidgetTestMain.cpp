#include "TestHome.h"
#include "about/RegularExpressionEngine.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    chooseRegularExpressionEngine();
    const TestHome home;
    // The windows are driven without a display unless a test run asks for one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Tests close windows; that must not end the application's event loops.
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
