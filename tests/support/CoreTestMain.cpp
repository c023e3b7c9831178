#include "about/RegularExpressionEngine.h"

#include "TestHome.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    chooseRegularExpressionEngine();
    const TestHome home;
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
