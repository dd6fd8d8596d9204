#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

// The file systems a card may be erased to.
enum class CardFileSystem { exFAT, fat32, fat16 };

namespace cardFileSystem {

// The card file system of a volume from its type and file-system name (both any case);
// none for anything else, FAT12 included.
std::optional<CardFileSystem> detect(const std::optional<QString>& type,
                                     const std::optional<QString>& name);

// exFAT stores at most 11 UTF-16 units of label; mkfs.exfat refuses anything longer.
constexpr qsizetype exFATNameLength = 11;
constexpr qsizetype fatNameLength = 11;

// A valid exFAT volume name: no quotes, * / : < > ? \ | or control characters, trimmed, at
// most 11 UTF-16 units, "Untitled" when nothing is left.
QString exFATName(const QString& name);
// A valid FAT volume name: upper-case ASCII without the characters FAT forbids, trimmed, at
// most 11 characters, "UNTITLED" when nothing is left.
QString fatName(const QString& name);
// The name made valid for the file system.
QString validName(CardFileSystem fileSystem, const QString& name);

// "ExFAT", "MS-DOS FAT32", "MS-DOS FAT16".
QString formatName(CardFileSystem fileSystem);
// The program that erases a device to the file system, and its arguments.
QString eraseProgram(CardFileSystem fileSystem);
QStringList eraseArguments(CardFileSystem fileSystem, const QString& name,
                           const QString& devicePath);
// The kernel's name of the file system, for mounting.
QString mountType(CardFileSystem fileSystem);

} // namespace cardFileSystem
} // namespace stowly
