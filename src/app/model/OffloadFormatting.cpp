#include "app/model/OffloadFormatting.h"

#include "devices/SpaceInfo.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace stowly {

QString OffloadFormatting::cardDetail(qsizetype newFiles, std::optional<qsizetype> copied,
                                      qsizetype ignored) {
    QString text;
    if (copied)
        text = QCoreApplication::translate("OffloadFormatting", "%1 copied").arg(*copied);
    else if (newFiles <= 0)
        text = QCoreApplication::translate("OffloadFormatting", "No new files");
    else if (newFiles == 1)
        text = QCoreApplication::translate("OffloadFormatting", "1 new file");
    else
        text = QCoreApplication::translate("OffloadFormatting", "%n new files", nullptr,
                                           int(newFiles));
    if (ignored >= 1)
        text += QCoreApplication::translate("OffloadFormatting", " · %1 ignored").arg(ignored);
    return text;
}

QString OffloadFormatting::cardResult(const OffloadSummary& summary,
                                      const CardInventory& inventory) {
    if (summary.cancelled)
        return QCoreApplication::translate("OffloadFormatting", " · cancelled");
    if (summary.failed >= 1)
        return QCoreApplication::translate("OffloadFormatting", " · %1 failed").arg(summary.failed);
    if (!summary.historyNotSaved && !inventory.unreadable && inventory.newFiles.isEmpty() &&
        inventory.missing.isEmpty())
        return QCoreApplication::translate("OffloadFormatting", " · ready to erase");
    return {};
}

QString OffloadFormatting::historyNotSavedLine(const QString& why) {
    return QCoreApplication::translate(
               "OffloadFormatting",
               "Couldn’t save the history: %1. The copies are made and verified, but Stowly "
               "won’t remember them: the card is not ready to erase.")
        .arg(why);
}

QString OffloadFormatting::safeToRemove(const QString& cardName, qsizetype backups) {
    return backups == 1
               ? QCoreApplication::translate("OffloadFormatting",
                                             "“%1” can be taken out — 1 backup is still being made")
                     .arg(cardName)
               : QCoreApplication::translate(
                     "OffloadFormatting", "“%1” can be taken out — %n backups are still being made",
                     nullptr, int(backups))
                     .arg(cardName);
}

QString OffloadFormatting::cascadeLine(qsizetype filesLeft, qint64 bytesDone, qint64 bytesTotal) {
    const QString files = filesLeft == 1
                              ? QCoreApplication::translate("OffloadFormatting", "1 file left")
                              : QCoreApplication::translate("OffloadFormatting", "%n files left",
                                                            nullptr, int(filesLeft));
    return QCoreApplication::translate("OffloadFormatting",
                                       "Backups from the first copy: %1 · %2 of %3")
        .arg(files, SpaceInfo::formatBytes(bytesDone), SpaceInfo::formatBytes(bytesTotal));
}

QString OffloadFormatting::timeLeft(const OffloadProgress& progress,
                                    const std::optional<QDateTime>& startedAt,
                                    const QDateTime& now) {
    const double elapsed = startedAt ? double(startedAt->msecsTo(now)) / 1000.0 : 0.0;
    return etaText(estimatedSecondsRemaining(progress.bytesDone, progress.bytesTotal, elapsed));
}

std::optional<double> OffloadFormatting::estimatedSecondsRemaining(qint64 bytesDone,
                                                                   qint64 bytesTotal,
                                                                   double elapsedSeconds) {
    if (bytesTotal < 1)
        return std::nullopt;
    if (bytesDone >= bytesTotal)
        return 0.0;
    // A clock that went back or a reading of nothing yet gives no rate worth dividing by.
    if (bytesDone < 1 || !(elapsedSeconds >= 2.0))
        return std::nullopt;
    const double rate = double(bytesDone) / elapsedSeconds;
    if (!(rate > 0) || !std::isfinite(rate))
        return std::nullopt;
    return double(bytesTotal - bytesDone) / rate;
}

QString OffloadFormatting::etaText(std::optional<double> seconds) {
    if (!seconds || std::isnan(*seconds))
        return QCoreApplication::translate("OffloadFormatting", "Estimating time…");
    if (*seconds <= 0)
        return QCoreApplication::translate("OffloadFormatting", "Almost done");
    if (*seconds < 60)
        return QCoreApplication::translate("OffloadFormatting", "Less than a minute left");
    // Beyond any real copy; keeps the cast below defined.
    const double capped = std::min(*seconds, 1e12);
    const qint64 minutes = qint64(std::ceil(capped / 60));
    if (minutes <= 59)
        return QCoreApplication::translate("OffloadFormatting", "About %1 min left").arg(minutes);
    const qint64 hours = minutes / 60;
    const qint64 rest = minutes % 60;
    if (rest == 0)
        return QCoreApplication::translate("OffloadFormatting", "About %1 hr left").arg(hours);
    return QCoreApplication::translate("OffloadFormatting", "About %1 hr %2 min left")
        .arg(hours)
        .arg(rest);
}

QString OffloadFormatting::summaryLine(const OffloadSummary& summary) {
    QString line =
        QCoreApplication::translate("OffloadFormatting", "%1 copied · %2 skipped · %3 failed")
            .arg(summary.copied)
            .arg(summary.skipped)
            .arg(summary.failed);
    // With backups a file is several copies, and each destination counts on its own.
    QSet<QString> destinations;
    qsizetype verified = 0;
    for (const CopyOutcome& copy : summary.copies) {
        destinations.insert(copy.destination);
        verified += copy.failure ? 0 : 1;
    }
    if (destinations.size() > 1)
        line += QCoreApplication::translate("OffloadFormatting",
                                            " · %1 of %2 copies verified at %3 destinations")
                    .arg(verified)
                    .arg(summary.copies.size())
                    .arg(destinations.size());
    return line;
}

QString OffloadFormatting::finishedTitle(const OffloadSummary& summary, bool cardReadThrough) {
    if (summary.cancelled)
        return QCoreApplication::translate("OffloadFormatting", "Offload Cancelled");
    if (summary.failed > 0 || !summary.recordFailures.isEmpty() || summary.historyNotSaved ||
        !cardReadThrough)
        return QCoreApplication::translate("OffloadFormatting", "Finished with Problems");
    return QCoreApplication::translate("OffloadFormatting", "Offload Complete");
}

QString OffloadFormatting::finishedSubtitle(const OffloadSummary& summary, bool cardEjected) {
    return summaryLine(summary) +
           (cardEjected ? QCoreApplication::translate("OffloadFormatting",
                                                      " — card ejected, safe to remove")
                        : QString());
}

QStringList OffloadFormatting::problemLines(const OffloadSummary& summary, const QString& cardName,
                                            const std::optional<QString>& readFailure) {
    QStringList lines;
    if (readFailure)
        lines << *readFailure;
    if (summary.historyNotSaved)
        lines << historyNotSavedLine(*summary.historyNotSaved);
    if (const qsizetype left = summary.leftOnRemovedCard.size(); left > 0) {
        lines << (left == 1 ? QCoreApplication::translate(
                                  "OffloadFormatting",
                                  "“%1” was removed before 1 file was copied. Put it back in to "
                                  "copy the rest.")
                                  .arg(cardName)
                            : QCoreApplication::translate(
                                  "OffloadFormatting",
                                  "“%1” was removed before %n files were copied. Put it back in "
                                  "to copy the rest.",
                                  nullptr, int(left))
                                  .arg(cardName));
        for (const QString& file : summary.leftOnRemovedCard)
            lines << QStringLiteral("    ") + file;
    }
    lines += summary.failures + summary.recordFailures;
    // Such copies are good as far as anyone can tell, but their proof is only as good as the
    // cache that answered it.
    QStringList throughCache;
    for (const CopyOutcome& copy : summary.copies)
        if (copy.readBack == ReadBack::unassured && !throughCache.contains(copy.destination))
            throughCache << copy.destination;
    for (const QString& destination : throughCache)
        lines << QCoreApplication::translate("OffloadFormatting",
                                             "The copies on “%1” could only be read back through a "
                                             "cache; they are not proved against the drive itself.")
                     .arg(destination);
    if (summary.afterwardsFailed)
        lines << QCoreApplication::translate("OffloadFormatting",
                                             "The program run after the offload failed: %1")
                     .arg(*summary.afterwardsFailed);
    return lines;
}

} // namespace stowly
