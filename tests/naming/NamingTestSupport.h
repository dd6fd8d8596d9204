#pragma once

#include "media/Clip.h"
#include "support/Printing.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

namespace stowly::test {

// A card file shot at noon UTC on the given day (mid-day in Berlin, where tests run).
inline Clip clipAt(const QString& relativePath, QDate day = QDate(2026, 10, 25),
                   QTime time = QTime(12, 0)) {
    Clip clip;
    clip.relativePath = relativePath;
    clip.url = QByteArray("/media/card/") + relativePath.toUtf8();
    clip.size = 1000;
    clip.creationDate = QDateTime(day, time, Qt::UTC);
    clip.modificationDate = clip.creationDate;
    return clip;
}

} // namespace stowly::test
