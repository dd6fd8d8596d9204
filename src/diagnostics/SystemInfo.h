#pragma once

#include <QString>
#include <QStringList>

namespace stowly {

// The facts about this build and this computer that a bug report and the launch line name.
struct SystemInfo {
    QString appVersion;
    QString build;
    // Kernel release, then the distribution in parentheses: 6.1.0-18-amd64 (Debian GNU/Linux 12).
    QString osVersion;
    QString model;
    QString chip;

    // Where the facts are read from; tests point these at files of their own.
    struct Sources {
        QString appVersion;
        QString build;
        QStringList osRelease;
        QString kernelRelease;
        QStringList model;
        QString cpuInfo;

        static Sources system();
    };

    static SystemInfo current();
    static SystemInfo read(const Sources& sources);

    // "Stowly 0.1.0 (42), Linux 6.1.0-18-amd64 (Debian GNU/Linux 12)".
    QString launchDescription() const;
    // The line logged at launch: "Stowly " + launchDescription() + " launched".
    QString launchedMessage() const;

    bool operator==(const SystemInfo&) const = default;
};

} // namespace stowly
