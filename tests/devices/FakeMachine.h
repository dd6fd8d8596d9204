#pragma once

#include "devices/CommandRunning.h"

#include <QHash>
#include <QStringList>

#include <functional>

namespace stowly::test {

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
    QString fsType, fsVersion, label, uuid;
};

// A pretend machine behind the disk commands: lsblk lists its devices, blkid probes them,
// umount/mount/mkfs change them. Every command line is recorded.
class FakeMachine : public CommandRunning {
public:
    QList<FakeDevice> devices;
    // Where udev runs lsblk knows labels and types; elsewhere only blkid does.
    bool udevRuns = true;
    // What a udev that stopped left in its database, by device: lsblk still reads it.
    QHash<QString, FakeDevice> udevLeftovers;
    QStringList programs = {"lsblk",      "blkid",    "umount",  "mount",
                            "mkfs.exfat", "mkfs.fat", "losetup", "mount.exfat-fuse"};
    QStringList kernelFileSystems = {"vfat", "exfat"};
    // Answers that replace the machine's own, by program, each used once.
    QHash<QString, QList<CommandResult>> scripted;
    // Runs after each successful unmount, to change the machine behind the caller's back.
    std::function<void(FakeMachine&)> afterUnmount;
    QStringList commands;

    CommandResult run(const QString& program, const QStringList& arguments,
                      Timeout = defaultTimeout) override;
    bool hasProgram(const QString& program) override { return programs.contains(program); }

    FakeDevice* device(QString name);
    int count(const QString& program) const;
    bool ran(const QString& commandLinePrefix) const;

    // vda1 holds "/" and vda2 is swap; sdb is a USB card reader whose sdb1, exFAT "CARD"
    // (UUID ABCD-1234), is mounted at mountPoint.
    static FakeMachine withCard(const QString& mountPoint);

private:
    QByteArray lsblk() const;
    CommandResult mount(FakeDevice* d, const QString& type, const QString& at);
    int m_serial = 0x1000;
};

} // namespace stowly::test
