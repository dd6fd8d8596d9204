#include "copy/HistoryEntry.h"

namespace stowly {
namespace {

QString lastComponent(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash >= 0 ? path.mid(slash + 1) : path;
}

} // namespace

QString HistoryEntry::id() const {
    return sourceKey + QChar(u'\0') + destinationPath;
}

MediaCategory HistoryEntry::category() const {
    QString ext = mediaCategory::extensionOf(lastComponent(destinationPath));
    if (ext.isEmpty())
        ext = mediaCategory::extensionOf(lastComponent(sourceRelativePath));
    return mediaCategory::classify(ext);
}

size_t qHash(const HistoryEntry& e, size_t seed) {
    return qHashMulti(seed, e.sourceKey, e.cardName, e.sourceRelativePath, e.destinationPath,
                      e.size, e.sha256, e.offloadedAt);
}

} // namespace stowly
