#include "support/TestHome.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const auto home = stowly::test::makeTestHome();
    if (!home)
        return 1;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Stowly"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
