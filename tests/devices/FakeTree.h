#pragma once

#include "support/TestSupport.h"

#include "devices/linux/LinuxPaths.h"

#include <QDir>
#include <QFile>

namespace stowly::test {

// A pretend /proc, /sys and /dev laid out the way the kernel and udev lay them out.
class FakeTree {
public:
    explicit FakeTree(const TempDir& dir) : m_dir(dir) {
        paths.mountInfo = dir("proc/self/mountinfo");
        paths.sysClassBlock = dir("sys/class/block");
        paths.devDisk = dir("dev/disk");
        paths.udisksRuntime = dir("run/udisks2");
        QDir().mkpath(paths.sysClassBlock);
        writeFile(paths.mountInfo);
    }

    // A whole disk below a device path of /sys/devices ("pci0000:00/…/usb1/1-1/…").
    QString addDisk(const QString& devicePath, const QString& name, const QString& majorMinor,
                    bool removable = false) {
        const QString folder = m_dir("sys/devices/" + devicePath + "/block/" + name);
        addBlock(folder, name, majorMinor);
        writeFile(folder + "/removable", removable ? "1\n" : "0\n");
        return folder;
    }
    QString addPartition(const QString& diskFolder, const QString& name,
                         const QString& majorMinor) {
        const QString folder = diskFolder + '/' + name;
        addBlock(folder, name, majorMinor);
        writeFile(folder + "/partition", "1\n");
        return folder;
    }
    // A virtual device (loop, device-mapper) built on the given devices.
    QString addVirtual(const QString& name, const QString& majorMinor,
                       const QStringList& slaves = {}) {
        const QString folder = m_dir("sys/devices/virtual/block/" + name);
        addBlock(folder, name, majorMinor);
        writeFile(folder + "/removable", "0\n");
        if (name.startsWith("loop"))
            writeFile(folder + "/loop/backing_file", "/tmp/card.img\n");
        QDir().mkpath(folder + "/slaves");
        for (const QString& slave : slaves)
            QFile::link(m_dir("sys/class/block/" + slave), folder + "/slaves/" + slave);
        return folder;
    }
    void setAttribute(const QString& path, const QByteArray& value) {
        writeFile(m_dir("sys/devices/" + path), value);
    }
    // udev's links; names are encoded as udev encodes them ("MY\x20CARD").
    void link(const QString& kind, const QString& encodedName, const QString& device) {
        QDir().mkpath(paths.devDisk + '/' + kind);
        QFile::link("../../" + device, paths.devDisk + '/' + kind + '/' + encodedName);
    }
    void setMounts(const QByteArray& lines) { writeFile(paths.mountInfo, lines); }

    LinuxPaths paths;

private:
    void addBlock(const QString& folder, const QString& name, const QString& majorMinor) {
        writeFile(folder + "/dev", majorMinor.toUtf8() + '\n');
        QDir().mkpath(folder + "/holders");
        QFile::link(folder, paths.sysClassBlock + '/' + name);
    }
    const TempDir& m_dir;
};

} // namespace stowly::test
