#pragma once

#include "devices/CardFileSystem.h"
#include "devices/DiskFacts.h"
#include "devices/FormatOutcome.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace stowly {

class CommandRunning;

// The platform's disk utility: facts about devices, erasing a card, ejecting a disk.
// Blocking; used from worker threads. Keeps no state between calls.
class DiskTool {
public:
    virtual ~DiskTool() = default;

    // The facts of a mounted volume (target is its mount path) or of a device ("sdb1",
    // "/dev/sdb1"); none when the tool cannot run, fails, or does not know the target.
    virtual std::optional<DiskFacts> facts(const QString& target) = 0;
    // The mount path of the volume that holds path; none when it cannot be told.
    virtual std::optional<QString> volumePath(const QString& path) = 0;
    // Erases the card to the file system under the new name and mounts it again: formatted
    // (without a mount point; the caller asks again), refused when the device turned out not
    // to be the card any more, or failed.
    virtual FormatOutcome erase(const DiskFacts& card, const QString& cardName,
                                CardFileSystem fileSystem, const QString& newName) = 0;
    // Unmounts every volume of the disk holding the volume mounted at mountPath and powers
    // the disk off; the failure's description, or none.
    virtual std::optional<QString> eject(const QString& mountPath) = 0;
    struct Mounted {
        std::optional<QString> mountPoint;
        // The failure's description (a whole sentence) when there is no mount point.
        QString failure;
    };
    // Mounts a card's file system that nothing has mounted (device is its node, name what the
    // user calls it).
    virtual Mounted mount(const QString& device, const QString& name) = 0;
    // A card's file system that the system knows but nothing has mounted.
    struct UnmountedCard {
        QString device; // "/dev/sdb1"
        QString name;   // its label, else the device's name
        QString fileSystemType;
        qint64 size = 0;
        friend bool operator==(const UnmountedCard&, const UnmountedCard&) = default;
    };
    virtual QList<UnmountedCard> unmountedCards() = 0;
    // How the tool reaches the disks: "udisks2" or "plain".
    virtual QString backendName() const = 0;

    // The platform's tool, running its commands through runner (which must outlive it).
    // allowPrompts lets the system ask the user for a password where an operation needs one.
    static std::unique_ptr<DiskTool> platform(CommandRunning& runner, bool allowPrompts = false);
};

} // namespace stowly
