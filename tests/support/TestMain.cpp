#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

// Every test program runs with a home and XDG folders of its own, so nothing a test does can
// reach the real user's files.
int main(int argc, char** argv) {
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/stowly-test-home-XXXXXX"));
    if (!home.isValid())
        return 1;
    const QByteArray root = home.path().toUtf8();
    ::setenv("HOME", root.constData(), 1);
    ::setenv("XDG_DATA_HOME", (root + "/.local/share").constData(), 1);
    ::setenv("XDG_CONFIG_HOME", (root + "/.config").constData(), 1);
    ::setenv("XDG_STATE_HOME", (root + "/.local/state").constData(), 1);
    ::setenv("XDG_CACHE_HOME", (root + "/.cache").constData(), 1);
    ::setenv("TZ", "Europe/Berlin", 0);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Stowly"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
