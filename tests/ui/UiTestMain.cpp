#include "support/TestHome.h"
#include "ui/AccessibleFactory.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// The window's tests need a widget application; they draw offscreen unless told otherwise.
int main(int argc, char** argv) {
    const auto home = stowly::test::makeTestHome();
    if (!home)
        return 1;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stowly"));
    stowly::AccessibleFactory::install();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
