#include "cli/TextOutput.h"

#include "devices/SpaceInfo.h"
#include "media/DurationFormatting.h"
#include "media/MediaCategory.h"
#include "session/OffloadSession.h"

namespace stowly {
namespace {

QString quoted(const QString& text) {
    return u'“' + text + u'”';
}

QString count(qsizetype n, const QString& one, const QString& many) {
    return n == 1 ? QStringLiteral("1 ") + one : QString::number(n) + u' ' + many;
}

qint64 bytesOf(const QList<Clip>& clips) {
    qint64 total = 0;
    for (const Clip& clip : clips)
        total += clip.size;
    return total;
}

void appendClips(QString& text, const QString& title, const QList<Clip>& clips,
                 const OffloadSession& session) {
    if (clips.isEmpty())
        return;
    text += title + QStringLiteral(" (") + QString::number(clips.size()) + QStringLiteral("):\n");
    for (const Clip& clip : clips) {
        text += QStringLiteral("  ") + clip.relativePath + QStringLiteral("  ") +
                SpaceInfo::formatBytes(clip.size) + QStringLiteral("  ") +
                mediaCategory::rawValue(
                    mediaCategory::classify(mediaCategory::extensionOf(clip.relativePath)));
        if (const std::optional<double> seconds = session.duration(clip))
            text += QStringLiteral("  ") + DurationFormatting::shortText(*seconds);
        text += u'\n';
    }
}

} // namespace

QString TextOutput::cardLine(const CardVolume& card) {
    return quoted(card.name) + QStringLiteral(" at ") + card.url + QStringLiteral(" (identity ") +
           card.volumeIdentity() + u')';
}

QString TextOutput::cards(const QList<CardVolume>& cards) {
    QString text;
    for (const CardVolume& card : cards)
        text += cardLine(card) + u'\n';
    return text;
}

QString TextOutput::scan(const OffloadSession& session, const std::optional<QString>& blocker) {
    const CardInventory& inventory = session.inventory();
    QString text = cardLine(session.card()) + u'\n';
    appendClips(text, QStringLiteral("New"), inventory.newFiles, session);
    appendClips(text, QStringLiteral("Offloaded before"), inventory.offloaded, session);
    appendClips(text, QStringLiteral("Copy missing at the destination"), inventory.missing,
                session);
    if (!inventory.ignored.isEmpty()) {
        text += QStringLiteral("Ignored (") + QString::number(inventory.ignored.size()) +
                QStringLiteral("):\n");
        for (const QString& path : inventory.ignored)
            text += QStringLiteral("  ") + path + u'\n';
    }
    const QList<Clip>& toCopy = session.newClips();
    text += QStringLiteral("To copy: ") +
            count(toCopy.size(), QStringLiteral("file"), QStringLiteral("files"));
    if (!toCopy.isEmpty())
        text += QStringLiteral(" (") + SpaceInfo::formatBytes(bytesOf(toCopy)) + u')';
    text += u'\n';
    QStringList left;
    if (const qsizetype shortClips = session.skippedShort().clips.size())
        left << count(shortClips, QStringLiteral("short clip"), QStringLiteral("short clips")) +
                    QStringLiteral(" left on the card");
    if (session.outsideDatesCount() > 0)
        left << count(session.outsideDatesCount(), QStringLiteral("file"),
                      QStringLiteral("files")) +
                    QStringLiteral(" from other days");
    if (session.alreadyOffloadedCount() > 0)
        left << QString::number(session.alreadyOffloadedCount()) +
                    QStringLiteral(" already offloaded");
    if (session.missingCopyCount() > 0)
        left << count(session.missingCopyCount(), QStringLiteral("copy"),
                      QStringLiteral("copies")) +
                    QStringLiteral(" missing, not copied again");
    if (!left.isEmpty())
        text += QStringLiteral("Left out: ") + left.join(QStringLiteral(" · ")) + u'\n';
    text += blocker ? *blocker
                    : QStringLiteral("Ready. Every file is verified with SHA-256 after copying.");
    return text + u'\n';
}

QString TextOutput::plan(const QString& destination, const QList<PlannedFile>& files) {
    QString text = QStringLiteral("Into ") + destination + u'\n';
    for (const PlannedFile& file : files) {
        text += QStringLiteral("  ") + file.clip.relativePath + QStringLiteral(" → ") +
                file.relativePath();
        if (file.sidecarOf)
            text += QStringLiteral("  (with ") + *file.sidecarOf + u')';
        text += u'\n';
    }
    return text;
}

QString TextOutput::historyLine(const LedgerEntry& entry) {
    return entry.offloadedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) +
           QStringLiteral("  ") + entry.cardName + QStringLiteral("  ") + entry.sourceRelativePath +
           QStringLiteral(" → ") + entry.destinationPath;
}

} // namespace stowly
