#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace stowly {

// Replaces a file whole, so that a crash or power loss leaves either the old or the new content:
// a temporary file made with O_EXCL beside the target, written, flushed with fsync (checked),
// closed (checked), renamed over the target, then the folder itself flushed.
namespace AtomicFile {
// Appends bytes to the file being written; returns false after a write error.
using Sink = std::function<bool(QByteArrayView bytes)>;
// Produces the content through the sink; returns false to abandon the write.
using Producer = std::function<bool(const Sink& sink)>;

// Each returns the failure in words, or nothing on success.
std::optional<QString> write(const QString& path, const QByteArray& data);
std::optional<QString> write(const QString& path, const Producer& producer);

// Moves a file to a name that must not exist yet; where the file system refuses the
// no-replace flag, a hard link and unlink, and only where that is refused too, a rename
// after checking the name is free. Returns the failure in words, or nothing on success.
std::optional<QString> moveNoReplace(const QString& from, const QString& to);

// Creates a folder and its missing parents.
std::optional<QString> makeFolder(const QString& path);
} // namespace AtomicFile

} // namespace stowly
