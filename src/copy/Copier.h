#pragma once

#include "copy/CopyBuffers.h"
#include "copy/CopyResult.h"
#include "copy/FolderCalls.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <stop_token>

namespace stowly {

// Copies one file to its final place and proves the copy good before it takes the final name:
// the bytes go into "<name>.stowly-partial" beside it while the source is hashed, the partial
// file is flushed to the device, read back from the device and hashed again, and only equal
// digests let it move (never replacing anything) to the final name. Stateless.
namespace Copier {
inline constexpr qsizetype chunkSize = 8 * 1024 * 1024;

using OnBytes = std::function<void(qint64 count)>;
// Given the source's digest and size before the read-back; a failure it returns ends the copy
// with that failure (and no partial file), so the caller can refuse what it did not plan or
// could not note down.
using OnVerify = std::function<std::optional<CopyFailure>(const QString& digest, qint64 size)>;

// `source` is the file system's bytes; the folder of `destination` must exist. `onBytes`
// runs after each chunk was hashed and written, `onVerify` once before the read-back; the
// copy waits for both. A source whose size or dates move while it is read, or that ends at
// another size than it had when opened, fails as changed: its bytes are no version of it.
// Cancellation is seen before the first chunk, after every chunk and before the read-back. Returns
// the SHA-256 text of the content. Whatever fails after the partial file was made, the partial file
// is deleted; nothing else is ever changed. `buffers` (chunks of `chunkSize`) may be shared by
// consecutive copies of one run.
CopyResult copyAndVerify(const QByteArray& source, const QString& destination,
                         const OnBytes& onBytes, const OnVerify& onVerify,
                         std::stop_token stop = {}, CopyBuffers* buffers = nullptr,
                         const FolderCalls& calls = FolderCalls::system());

// For copyToAll: given a destination's index, the source's digest and size before that
// destination's read-back; a failure it returns fails that destination only.
using OnVerifyAt =
    std::function<std::optional<CopyFailure>(int index, const QString& digest, qint64 size)>;

// What a copy may do besides SHA-256 and the read-back.
struct Checks {
    // Runs on the reading thread with every piece of the source, in order, before the piece is
    // written anywhere: a second digest from the same read.
    std::function<void(const char* data, qsizetype size)> tap;
    // After the copies read back good, the source is read again from the device and must give
    // the same digest, else the file fails at every destination.
    bool verifySource = false;
    // Runs before that second read.
    std::function<void()> onVerifyingSource;
    // When above zero, a copy waits for its device once it has written this many bytes more
    // than the device took, and lets go of what the device has: a slow drive then paces the
    // reads instead of filling memory in bursts that a faster copy beside it has to wait for.
    qint64 writeBehind = 0;
    // The source is read from its device, around the cache, so that it takes no memory from
    // the copies beside it.
    bool sourceFromDevice = false;
};

// copyAndVerify to several destinations from one read of the source: each chunk is hashed
// once and written to every destination, then each copy is read back on its own. A failure at
// one destination (full, gone, read-only, a mismatch) fails that copy only and removes its
// partial file; a failure of the source (unreadable, changed, cancelled) fails them all. The
// results come in the order of `destinations`. With no destination there is nothing to do.
QList<CopyResult> copyToAll(const QByteArray& source, const QStringList& destinations,
                            const OnBytes& onBytes, const OnVerifyAt& onVerify,
                            std::stop_token stop = {}, CopyBuffers* buffers = nullptr,
                            const FolderCalls& calls = FolderCalls::system(),
                            const Checks& checks = {});

// SHA-256 text of a whole file read in chunks of `chunkSize` bytes. With `bypassCache` the
// bytes come from the device rather than from the file cache.
CopyResult sha256(const QByteArray& path, qsizetype chunkSize, bool bypassCache);

using OnRead = std::function<void(const char* data, qsizetype size)>;
// Reads a whole file as sha256 does and hands every piece to `onRead`, in file order. Returns
// why the file could not be read to its end, or nothing.
std::optional<CopyFailure> readWhole(const QByteArray& path, qsizetype chunkSize, bool bypassCache,
                                     const OnRead& onRead);

// 64 lower-case hexadecimal characters for a 32-byte digest.
QString hexString(QByteArrayView digest);

// "<destination>.stowly-partial"
QString partialPath(const QString& destination);
} // namespace Copier

} // namespace stowly
