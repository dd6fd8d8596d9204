#include "media/ClipOrder.h"

#include "base/FileNames.h"

#include <QDateTime>

#include <algorithm>

namespace stowly::clipOrder {
namespace {

qint64 orderTime(const Clip& clip, qint64 now) {
    if (clip.creationDate && clip.creationDate->isValid())
        return clip.creationDate->toMSecsSinceEpoch();
    if (clip.modificationDate && clip.modificationDate->isValid())
        return clip.modificationDate->toMSecsSinceEpoch();
    return now;
}

} // namespace

bool orderedBefore(const Clip& a, const Clip& b, qint64 nowMSecs) {
    const qint64 ta = orderTime(a, nowMSecs);
    const qint64 tb = orderTime(b, nowMSecs);
    if (ta != tb)
        return ta < tb;
    return fileNames::codePointLess(a.relativePath, b.relativePath);
}

QList<Clip> order(QList<Clip> clips) {
    // One "now" for the whole sort keeps the comparison consistent.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    std::stable_sort(clips.begin(), clips.end(),
                     [now](const Clip& a, const Clip& b) { return orderedBefore(a, b, now); });
    return clips;
}

} // namespace stowly::clipOrder
