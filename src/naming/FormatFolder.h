#pragma once

#include <QHash>
#include <QString>

#include <optional>

namespace stowly {

// The folder each file type gets inside a shoot folder: MP4, ARW, WAV…
class FormatFolder {
public:
    // Spellings of one format that share a folder: jpeg and jpe go with jpg, tiff with tif.
    static const QHash<QString, QString>& aliases();
    // Nothing for an empty extension or one that leaves no usable name.
    static std::optional<QString> name(const QString& extension);
};

} // namespace stowly
