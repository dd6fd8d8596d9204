#include "diagnostics/PlatformWords.h"

namespace stowly {

#if defined(Q_OS_MACOS)

QString PlatformWords::systemName() {
    return QStringLiteral("macOS");
}

QString PlatformWords::machineLabel() {
    return QStringLiteral("Mac");
}

QString PlatformWords::unknownMachine() {
    return QStringLiteral("Unknown Mac");
}

QString PlatformWords::unknownChip() {
    return QStringLiteral("Unknown chip");
}

QString PlatformWords::crashReportNotAttached(const QString&) {
    return QStringLiteral("(The crash report couldn’t be attached. It’s in Console ▸ Crash "
                          "Reports, under Stowly.)");
}

#else

QString PlatformWords::systemName() {
    return QStringLiteral("Linux");
}

QString PlatformWords::machineLabel() {
    return QStringLiteral("Computer");
}

QString PlatformWords::unknownMachine() {
    return QStringLiteral("Unknown computer");
}

QString PlatformWords::unknownChip() {
    return QStringLiteral("Unknown chip");
}

QString PlatformWords::crashReportNotAttached(const QString& folder) {
    return QStringLiteral("(The crash report couldn’t be attached. It’s in the folder ") + folder +
           QStringLiteral(".)");
}

#endif

} // namespace stowly
