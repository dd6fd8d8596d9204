#pragma once

#include "media/Clip.h"
#include "media/FileRules.h"
#include "media/MediaCategory.h"
#include "media/ScanFailure.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <optional>

namespace stowly {

// The walk over a card's files.
namespace ClipScanner {
struct Result {
    QList<Clip> clips;   // sorted by relative path
    QStringList ignored; // relative paths of skipped system and ignored items, sorted
    // The first place that could not be read; what was read before and after it is kept.
    std::optional<ScanFailure> failure;
};

const QSet<MediaCategory>& allCategories();

// Symbolic links are not followed and ignored folders are pruned whole. A folder or file that
// cannot be read is passed over and the walk goes on, but the result says so: a card that
// cannot be read is not an empty one. Names that vanish during the walk are no failure.
Result scanReport(const QString& volumeURL, const QSet<MediaCategory>& categories,
                  const FileRules& rules);

QString relativePath(const QString& filePath, const QString& volumeURL);

// System files: hidden names, Windows and recycle-bin folders, disk images.
bool isJunk(QStringView name);
// The same test for a name already lower-cased, with its extension.
bool isJunkLower(const QString& lowerName, const QString& lowerExtension);
} // namespace ClipScanner

} // namespace stowly
