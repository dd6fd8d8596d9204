#pragma once

#include <QStringList>

#include <functional>
#include <optional>

namespace stowly {

// A quick, bounded look at a volume's top levels: does it hold camera media?
namespace CameraMedia {
// Names of a folder's entries (hidden ones included), or none when it cannot be listed.
using Lister = std::function<std::optional<QStringList>(const QString& path)>;

const QStringList& markerFolders();
std::optional<QStringList> diskList(const QString& path);

bool looksLikeCameraMedia(const QString& root, const Lister& list = diskList);
bool hasCameraFolders(const QString& root, const QStringList& visible,
                      const Lister& list = diskList);
} // namespace CameraMedia

} // namespace stowly
