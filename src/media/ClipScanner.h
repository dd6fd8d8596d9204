#pragma once

#include "media/Clip.h"
#include "media/FileRules.h"
#include "media/MediaCategory.h"

#include <QList>
#include <QSet>
#include <QStringList>

namespace stowly {

// The walk over a card's files.
namespace ClipScanner {
struct Result {
    QList<Clip> clips;   // sorted by relative path
    QStringList ignored; // relative paths of skipped system and ignored items, sorted
};

const QSet<MediaCategory>& allCategories();

// Never fails: a volume that cannot be walked gives an empty result. Symbolic links are
// not followed, ignored folders are pruned whole and unreadable folders are passed over.
Result scanReport(const QString& volumeURL, const QSet<MediaCategory>& categories,
                  const FileRules& rules);

QString relativePath(const QString& fileURL, const QString& volumeURL);

// System files: hidden names, Windows and recycle-bin folders, disk images.
bool isJunk(QStringView name);
// The same test for a name already lower-cased, with its extension.
bool isJunkLower(const QString& lowerName, const QString& lowerExtension);
} // namespace ClipScanner

} // namespace stowly
