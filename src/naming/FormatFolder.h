#pragma once

#include <QHash>
#include <QString>

#include <optional>

namespace stowly {

// The folder each file type gets inside a shoot folder: MP4, ARW, WAV…
namespace FormatFolder {
// Spellings of one format that share a folder: jpeg and jpe go with jpg, tiff with tif.
const QHash<QString, QString>& aliases();
// Nothing for an empty extension or one that leaves no usable name.
std::optional<QString> name(const QString& extension);
} // namespace FormatFolder

} // namespace stowly
