#pragma once

#include "devices/CommandRunning.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <functional>

namespace stowly::test {

// A block device of the pretend machine.
struct FakeDevice {
    QString name;
    QString type = QStringLiteral("part");
    QString parent; // empty for a whole disk
    qint64 size = 32'000'000'000;
    bool removable = false;
    bool hotplug = false;
    QString transport;
    QStringList mountPoints;
    bool swap = false;
    QString fsType;
    QString fsVersion;
    QString label;
    QString uuid;
};

// A pretend Linux machine behind the disk commands: lsblk lists its devices, blkid probes
// them, umount/mount/mkfs change them. Every command line is recorded.
class FakeMachine : public CommandRunning {
public:
    QList<FakeDevice> devices;
    // Where udev runs, lsblk knows labels and types; elsewhere only blkid does.
    bool udevRuns = true;
    QStringList programs = {"lsblk",      "blkid",    "umount",  "mount",
                            "mkfs.exfat", "mkfs.fat", "losetup", "mount.exfat-fuse"};
    // Answers that replace the machine's own, by program (each used once, in order).
    QHash<QString, QList<CommandResult>> scripted;
    // Runs after a successful unmount (to change the machine behind the formatter's back).
    std::function<void(FakeMachine&)> afterUnmount;
    // Kernel file systems mount accepts; others fail as unknown.
    QStringList kernelFileSystems = {"vfat", "exfat"};
    QStringList commands;
    // Where udisksctl mounts volumes (by label).
    QString udisksMountRoot = QStringLiteral("/media/user");

    CommandResult run(const QString& program, const QStringList& arguments,
                      Timeout timeout = defaultTimeout) override;
    bool hasProgram(const QString& program) override { return programs.contains(program); }

    FakeDevice* device(const QString& name);
    FakeDevice* mountedAt(const QString& path);
    // Commands run, counting those of one program.
    int count(const QString& program) const;
    bool ran(const QString& commandLinePrefix) const;

    // Typical machines.
    // vda holds "/" (and swap on vda2); sdb is a USB card reader with sdb1 mounted at
    // mountPoint as exFAT "CARD".
    static FakeMachine withCard(const QString& mountPoint);

private:
    QByteArray lsblkJson() const;
    CommandResult blkid(const QStringList& arguments);
    CommandResult erase(const QString& program, const QStringList& arguments);
    int m_serial = 0x1000;
};

} // namespace stowly::test
