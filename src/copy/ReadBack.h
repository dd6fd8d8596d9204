#pragma once

#include <QString>

#include <optional>

namespace stowly {

// Where the bytes of a copy's read-back came from, which is what its proof stands for.
enum class ReadBack {
    // The storage device: the cache was bypassed, or its pages dropped after the flush.
    device,
    // A network share's server, from a file opened after the write was closed and with the local
    // cache dropped; the server may still answer from its own memory.
    share,
    // A cache that could be neither bypassed nor dropped (tmpfs, an unknown FUSE file system, a
    // drop that failed): the copy is proved against memory, not against the drive.
    unassured,
};

namespace readBack {
// "device", "share", "unassured": the name the run records and the machine outputs use.
QString name(ReadBack readBack);
// None for a name this version does not know.
std::optional<ReadBack> fromName(const QString& name);
// One sentence for reports, e.g. "Read back from the drive around its cache".
QString description(ReadBack readBack);
// The weaker of the two.
ReadBack weaker(ReadBack a, ReadBack b);
} // namespace readBack

// How copies made in `folder` can be read back, from the file system that holds it (and for
// FUSE, the mount's type): `device` or `share` where that kind of read-back is possible there,
// `unassured` otherwise or when the folder can't be looked at.
ReadBack readBackOf(const QString& folder);

} // namespace stowly
