#pragma once

#include <QString>

#include <optional>

namespace stowly {

class VolumeFacts;

// Space and write facts of the volume that holds a path. Stateless; safe from any thread.
namespace VolumeInfo {
struct StatfsInfo {
    qint64 availableBytes = 0; // free to an unprivileged user
    qint64 totalBytes = 0;
    QString fsType;
    bool isReadOnly = false;

    friend bool operator==(const StatfsInfo&, const StatfsInfo&) = default;
};

// None when the file system cannot be asked.
std::optional<StatfsInfo> statfsInfo(const QString& path);
std::optional<StatfsInfo> statfsInfo(const QString& path, const VolumeFacts& facts);

// Exactly 0 when the volume is full; none when unknown.
std::optional<qint64> availableBytes(const QString& path);
std::optional<qint64> totalBytes(const QString& path);
// Why the volume cannot be written to; none when it can (or cannot be told).
std::optional<QString> readOnlyReason(const QString& path);

// The figures of a statfs answer, as the three queries above read them.
std::optional<qint64> availableBytes(const std::optional<StatfsInfo>& info);
std::optional<qint64> totalBytes(const std::optional<StatfsInfo>& info);
std::optional<QString> readOnlyReason(const std::optional<StatfsInfo>& info);

// A display name for a file-system type ("exfat" → "exFAT", "ntfs3" → "NTFS"); an unknown
// type falls back to the description, then to the type as given.
std::optional<QString> formatName(const std::optional<QString>& fsType,
                                  const std::optional<QString>& description);
QString readOnlyMessage(const std::optional<QString>& format);
} // namespace VolumeInfo

} // namespace stowly
