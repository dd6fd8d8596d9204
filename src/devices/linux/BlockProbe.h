#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace stowly {

class CommandRunning;

// What blkid finds on a block device.
struct ProbedFileSystem {
    std::optional<QString> type;    // "exfat", "vfat"
    std::optional<QString> version; // "FAT32" for vfat
    std::optional<QString> label;
    std::optional<QString> uuid;

    friend bool operator==(const ProbedFileSystem&, const ProbedFileSystem&) = default;
};

// Reads file-system facts straight from a device with blkid, for machines where udev does not
// run (nothing else then knows labels and types).
namespace BlockProbe {
// None when blkid cannot run, may not read the device, or finds no file system.
std::optional<ProbedFileSystem> probe(CommandRunning& runner, const QString& devicePath);
// Parses "blkid -o udev" output.
ProbedFileSystem parse(const QByteArray& output);
// Undoes udev's "\x20" escapes and decodes UTF-8.
QString decodeUdevString(QByteArrayView encoded);
} // namespace BlockProbe

} // namespace stowly
