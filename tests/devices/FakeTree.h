#pragma once

#include "support/TestSupport.h"

#include "devices/linux/LinuxPaths.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace stowly::test {

// A pretend /proc, /sys and /dev laid out the way the kernel and udev lay them out.
struct FakeTree {
    explicit FakeTree(const TempDir& dir) : root(dir.path()) {
        paths = {dir("mountinfo"), dir("sys/class/block"),  dir("dev/disk"),
                 dir("media"),     dir("run/udev/control"), dir("proc")};
        QDir().mkpath(paths.sysClassBlock);
        QDir().mkpath(paths.devDisk + "/by-uuid");
        QDir().mkpath(dir("run/udev"));
        // A udev that answers, until stopped.
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(paths.udevControl);
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        udev = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
        ::bind(udev, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        ::listen(udev, 8);
    }
    ~FakeTree() { stopUdev(); }
    FakeTree(const FakeTree&) = delete;
    FakeTree& operator=(const FakeTree&) = delete;
    // Its socket file and links stay behind, as they do.
    void stopUdev() {
        if (udev >= 0)
            ::close(udev);
        udev = -1;
    }
    // udev's daemon in the process table, which is all an ordinary user may see of it.
    void listUdevProcess() { writeFile(paths.processes + "/412/comm", "systemd-udevd\n"); }
    // A whole disk below a /sys/devices path ("pci0000:00/…/usb1/1-1/…"); its folder.
    QString addDisk(const QString& devicePath, const QString& name, const QString& majorMinor,
                    bool removable = false) {
        const QString folder =
            addBlock(root + "/sys/devices/" + devicePath + "/block/" + name, name, majorMinor);
        writeFile(folder + "/removable", removable ? "1\n" : "0\n");
        return folder;
    }
    void addPartition(const QString& diskFolder, const QString& name, const QString& majorMinor) {
        writeFile(addBlock(diskFolder + '/' + name, name, majorMinor) + "/partition", "1\n");
    }
    // A virtual device (loop, device-mapper) built on the given devices.
    void addVirtual(const QString& name, const QString& majorMinor, const QStringList& on = {}) {
        const QString folder =
            addBlock(root + "/sys/devices/virtual/block/" + name, name, majorMinor);
        QDir().mkpath(folder + "/slaves");
        for (const QString& slave : on)
            QFile::link(paths.sysClassBlock + '/' + slave, folder + "/slaves/" + slave);
    }
    void setAttribute(const QString& path, const QByteArray& value) {
        writeFile(root + "/sys/devices/" + path, value);
    }
    // udev's links, named as udev encodes them ("MY\x20CARD").
    void link(const QString& kind, const QString& encodedName, const QString& device) {
        QDir().mkpath(paths.devDisk + '/' + kind);
        QFile::link("../../" + device, paths.devDisk + '/' + kind + '/' + encodedName);
    }
    void setMounts(const QByteArray& lines) { writeFile(paths.mountInfo, lines); }

    QString addBlock(const QString& folder, const QString& name, const QString& majorMinor) {
        writeFile(folder + "/dev", majorMinor.toUtf8() + '\n');
        QFile::link(folder, paths.sysClassBlock + '/' + name);
        return folder;
    }

    QString root;
    LinuxPaths paths;
    int udev = -1;
};

} // namespace stowly::test
