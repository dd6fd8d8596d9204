#include "support/TestHome.h"

#include <QDir>

#include <cstdlib>

namespace stowly::test {

std::unique_ptr<QTemporaryDir> makeTestHome() {
    auto home = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                QStringLiteral("/stowly-test-home-XXXXXX"));
    if (!home->isValid())
        return nullptr;
    const QByteArray root = home->path().toUtf8();
    ::setenv("HOME", root.constData(), 1);
    ::setenv("XDG_DATA_HOME", (root + "/.local/share").constData(), 1);
    ::setenv("XDG_CONFIG_HOME", (root + "/.config").constData(), 1);
    ::setenv("XDG_STATE_HOME", (root + "/.local/state").constData(), 1);
    ::setenv("XDG_CACHE_HOME", (root + "/.cache").constData(), 1);
    ::setenv("TZ", "Europe/Berlin", 0);
    return home;
}

} // namespace stowly::test
