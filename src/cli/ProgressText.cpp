#include "cli/ProgressText.h"

#include "app/model/OffloadFormatting.h"
#include "cli/TerminalText.h"
#include "devices/SpaceInfo.h"

#include <QCoreApplication>

#include <algorithm>

namespace stowly {

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
    const QString eta = OffloadFormatting::etaText(OffloadFormatting::estimatedSecondsRemaining(
        progress.bytesDone, progress.bytesTotal, elapsedSeconds));
    QString tail = QStringLiteral(" · ") + eta;
    if (progress.isVerifyingSource)
        tail.prepend(QStringLiteral(" · ") +
                     QCoreApplication::translate("ProgressText", "verifying source"));
    else if (progress.isVerifying)
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

QString ProgressText::fileLine(const OffloadProgress& progress, const QString& id,
                               const std::optional<QString>& copiedTo) {
    const QString count =
        QString::number(progress.filesDone) + u'/' + QString::number(progress.filesTotal) + u' ';
    if (copiedTo)
        return count + TerminalText::name(id) + QStringLiteral(" → ") +
               TerminalText::name(*copiedTo);
    return count +
           QCoreApplication::translate("ProgressText", "%1: failed").arg(TerminalText::name(id));
}

} // namespace stowly
