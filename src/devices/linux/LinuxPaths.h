#pragma once

#include <QString>

namespace stowly {

// Where the Linux backends read the system's state; tests point them at trees of their own.
struct LinuxPaths {
    QString mountInfo = QStringLiteral("/proc/self/mountinfo");
    QString sysClassBlock = QStringLiteral("/sys/class/block");
    // udev's links (by-label, by-uuid); missing where udev does not run, and stale where it
    // ran before.
    QString devDisk = QStringLiteral("/dev/disk");
    // Where cards are mounted, in a folder per user, as udisks2 does.
    QString mediaRoot = QStringLiteral("/media");
    // udev's control socket: udev runs while it answers there.
    QString udevControl = QStringLiteral("/run/udev/control");
    // The process table, for what the socket does not tell an ordinary user.
    QString processes = QStringLiteral("/proc");
};

} // namespace stowly
