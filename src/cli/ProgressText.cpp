#include "cli/ProgressText.h"

#include "cli/TerminalText.h"
#include "devices/SpaceInfo.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace stowly {

std::optional<double> ProgressText::estimatedSecondsRemaining(qint64 bytesDone, qint64 bytesTotal,
                                                              double elapsedSeconds) {
    if (bytesTotal < 1)
        return std::nullopt;
    if (bytesDone >= bytesTotal)
        return 0.0;
    if (bytesDone < 1 || elapsedSeconds < 2.0)
        return std::nullopt;
    const double rate = double(bytesDone) / elapsedSeconds;
    if (!(rate > 0))
        return std::nullopt;
    return double(bytesTotal - bytesDone) / rate;
}

QString ProgressText::etaText(std::optional<double> seconds) {
    if (!seconds)
        return QCoreApplication::translate("ProgressText", "Estimating time…");
    if (*seconds <= 0)
        return QCoreApplication::translate("ProgressText", "Almost done");
    if (*seconds < 60)
        return QCoreApplication::translate("ProgressText", "Less than a minute left");
    const qint64 minutes = qint64(std::ceil(*seconds / 60));
    if (minutes <= 59)
        return QCoreApplication::translate("ProgressText", "About %1 min left").arg(minutes);
    const qint64 hours = minutes / 60;
    const qint64 rest = minutes % 60;
    if (rest == 0)
        return QCoreApplication::translate("ProgressText", "About %1 hr left").arg(hours);
    return QCoreApplication::translate("ProgressText", "About %1 hr %2 min left")
        .arg(hours)
        .arg(rest);
}

QString ProgressText::summaryLine(const OffloadSummary& summary) {
    return QCoreApplication::translate("ProgressText", "%1 copied · %2 skipped · %3 failed")
        .arg(summary.copied)
        .arg(summary.skipped)
        .arg(summary.failed);
}

QString ProgressText::summaryTitle(const OffloadSummary& summary) {
    if (summary.cancelled)
        return QCoreApplication::translate("ProgressText", "Offload Cancelled");
    if (summary.failed > 0)
        return QCoreApplication::translate("ProgressText", "Finished with Problems");
    return QCoreApplication::translate("ProgressText", "Offload Complete");
}

QString ProgressText::barLine(const OffloadProgress& progress, double elapsedSeconds, int width) {
    constexpr int barCells = 20;
    const double fraction =
        progress.bytesTotal > 0
            ? std::clamp(double(progress.bytesDone) / double(progress.bytesTotal), 0.0, 1.0)
            : (progress.filesTotal > 0 ? double(progress.filesDone) / progress.filesTotal : 0.0);
    const int filled = int(fraction * barCells);
    QString line =
        u'[' + QString(filled, u'#') + QString(barCells - filled, u'-') + QStringLiteral("] ") +
        QCoreApplication::translate("ProgressText", "%1/%2 files · %3 of %4")
            .arg(QString::number(progress.filesDone), QString::number(progress.filesTotal),
                 SpaceInfo::formatBytes(progress.bytesDone),
                 SpaceInfo::formatBytes(progress.bytesTotal));
    const QString eta =
        etaText(estimatedSecondsRemaining(progress.bytesDone, progress.bytesTotal, elapsedSeconds));
    QString tail = QStringLiteral(" · ") + eta;
    if (progress.isVerifying)
        tail.prepend(QStringLiteral(" · ") +
                     QCoreApplication::translate("ProgressText", "verifying"));
    if (!progress.currentFile.isEmpty()) {
        // The file name gives way first when the line does not fit.
        const qsizetype room = width - 1 - line.size() - tail.size() - 3;
        QString name = TerminalText::name(progress.currentFile);
        if (room < name.size())
            name = room > 1 ? name.left(room - 1) + u'…' : QString();
        if (!name.isEmpty())
            line += QStringLiteral(" · ") + name;
    }
    line += tail;
    if (line.size() > width - 1)
        line = line.left(std::max(0, width - 2)) + u'…';
    return line;
}

QString ProgressText::fileLine(const OffloadProgress& progress,
                               const std::optional<QString>& copiedTo) {
    const QString count =
        QString::number(progress.filesDone) + u'/' + QString::number(progress.filesTotal) + u' ';
    if (copiedTo)
        return count + TerminalText::name(progress.currentID) + QStringLiteral(" → ") +
               TerminalText::name(*copiedTo);
    return count + QCoreApplication::translate("ProgressText", "%1: failed")
                       .arg(TerminalText::name(progress.currentID));
}

} // namespace stowly
