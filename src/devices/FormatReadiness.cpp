#include "devices/FormatReadiness.h"

#include "media/CardInventory.h"
#include "media/ShortClipSkip.h"

#include <QCoreApplication>

namespace stowly {
namespace {

// `many` is a plural message: %n is the count.
QString counted(int n, const char* one, const char* many) {
    return n == 1 ? QCoreApplication::translate("FormatReadiness", one)
                  : QCoreApplication::translate("FormatReadiness", many, nullptr, int(n));
}

} // namespace

FormatReadiness::FormatReadiness(const CardInventory& inventory, const ShortClipSkip& skipped) {
    QSet<QString> skippedClipIds;
    for (const Clip& clip : skipped.clips)
        skippedClipIds.insert(clip.relativePath);
    int shortNew = 0;
    int shortClips = 0;
    for (const Clip& clip : inventory.newFiles) {
        if (!skipped.ids.contains(clip.relativePath))
            continue;
        ++shortNew;
        if (skippedClipIds.contains(clip.relativePath))
            ++shortClips;
    }
    fileCount = int(inventory.fileCount());
    for (const QList<Clip>* list : {&inventory.newFiles, &inventory.offloaded, &inventory.missing})
        for (const Clip& clip : *list)
            totalBytes += clip.size;
    notOffloaded = int(inventory.newFiles.size()) - shortNew;
    missingCopies = int(inventory.missing.size());
    uncheckedCopies = int(inventory.uncheckedHere.size());
    copiesFolder = inventory.copiesFolder;
    shortSkippedFiles = shortNew;
    shortSkippedClips = shortClips;
    ignoredItems = int(inventory.ignored.size());
    unreadable = inventory.unreadable;
}

std::optional<QString> FormatReadiness::pendingText() const {
    if (unreadable)
        return unreadable->description();
    if (fileCount == 0)
        return std::nullopt;
    if (notOffloaded + missingCopies + uncheckedCopies == 0 && shortSkippedFiles == 0)
        return std::nullopt;
    if (notOffloaded >= 1)
        return counted(notOffloaded,
                       QT_TRANSLATE_NOOP("FormatReadiness", "1 file not yet offloaded"),
                       QT_TRANSLATE_N_NOOP("FormatReadiness", "%n files not yet offloaded"));
    if (missingCopies >= 1)
        return counted(
            missingCopies,
            QT_TRANSLATE_NOOP("FormatReadiness", "1 copy missing at the destination"),
            QT_TRANSLATE_N_NOOP("FormatReadiness", "%n copies missing at the destination"));
    if (uncheckedCopies >= 1)
        return counted(uncheckedCopies,
                       QT_TRANSLATE_NOOP("FormatReadiness",
                                         "1 file copied only where another station can check it"),
                       QT_TRANSLATE_N_NOOP("FormatReadiness",
                                           "%n files copied only where another station can check "
                                           "them"));
    return counted(shortSkippedClips,
                   QT_TRANSLATE_NOOP("FormatReadiness", "1 short clip not offloaded"),
                   QT_TRANSLATE_N_NOOP("FormatReadiness", "%n short clips not offloaded"));
}

bool FormatReadiness::allVerified() const {
    return !unreadable && fileCount >= 1 &&
           notOffloaded + missingCopies + uncheckedCopies + shortSkippedFiles == 0;
}

bool FormatReadiness::stillReady(const CardInventory& inventory, const QString& volumeIdentity,
                                 const QSet<QString>& discarding) {
    if (inventory.unreadable || !inventory.missing.isEmpty() || inventory.fileCount() == 0 ||
        !inventory.uncheckedHere.isEmpty())
        return false;
    for (const Clip& clip : inventory.newFiles)
        if (!discarding.contains(clip.historyKey(volumeIdentity)))
            return false;
    return true;
}

} // namespace stowly
