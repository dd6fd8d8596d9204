#include "base/AppFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace stowly {
namespace {

QString dataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString configHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

} // namespace

QString AppFolders::appSupport() {
    return dataHome() + QStringLiteral("/Stowly");
}

QString AppFolders::preferencesFile() {
    return configHome() + QStringLiteral("/Stowly/Stowly.conf");
}

QString AppFolders::state() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/Stowly");
}

QString AppFolders::predecessorSupport() {
    return dataHome() + QStringLiteral("/FlickBox");
}

QString AppFolders::predecessorPreferencesFile() {
    return configHome() + QStringLiteral("/FlickBox/FlickBox.conf");
}

} // namespace stowly
