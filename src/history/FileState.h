#pragma once

#include <QString>

#include <optional>

namespace stowly {

// Identity of a file on disk as last read or written, to notice another writer.
struct FileState {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    // None when there is no file.
    static std::optional<FileState> of(const QString& path);

    friend bool operator==(const FileState&, const FileState&) = default;
};

} // namespace stowly
