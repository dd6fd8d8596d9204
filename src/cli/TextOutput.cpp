#include "cli/TextOutput.h"

#include "app/wording/ClipsStageContent.h"
#include "cli/TerminalText.h"
#include "devices/SpaceInfo.h"
#include "media/DurationFormatting.h"
#include "media/MediaCategory.h"
#include "session/OffloadSession.h"

#include <QCoreApplication>

namespace stowly {
namespace {

// `many` is a plural message: %n is the count.
QString count(qsizetype n, const char* one, const char* many) {
    return n == 1 ? QCoreApplication::translate("TextOutput", one)
                  : QCoreApplication::translate("TextOutput", many, nullptr, int(n));
}

// The category's own lower-case word, in the user's language.
QString categoryWord(MediaCategory category) {
    static const char* const words[] = {
        QT_TRANSLATE_NOOP("TextOutput", "video"), QT_TRANSLATE_NOOP("TextOutput", "photo"),
        QT_TRANSLATE_NOOP("TextOutput", "audio"), QT_TRANSLATE_NOOP("TextOutput", "other")};
    const QString raw = mediaCategory::rawValue(category);
    for (const char* word : words)
        if (raw == QLatin1String(word))
            return QCoreApplication::translate("TextOutput", word);
    return raw;
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
    text += QCoreApplication::translate("TextOutput", "%1 (%2):")
                .arg(title, QString::number(clips.size())) +
            u'\n';
    for (const Clip& clip : clips) {
        text +=
            QStringLiteral("  ") + TerminalText::name(clip.relativePath) + QStringLiteral("  ") +
            SpaceInfo::formatBytes(clip.size) + QStringLiteral("  ") +
            categoryWord(mediaCategory::classify(mediaCategory::extensionOf(clip.relativePath)));
        if (const std::optional<double> seconds = session.duration(clip))
            text += QStringLiteral("  ") + DurationFormatting::shortText(*seconds);
        text += u'\n';
    }
}

} // namespace

QString TextOutput::cardLine(const CardVolume& card) {
    return QCoreApplication::translate("TextOutput", "%1 at %2 (identity %3)")
        .arg(TerminalText::quotedName(card.name), TerminalText::name(card.url),
             TerminalText::name(card.volumeIdentity()));
}

QString TextOutput::cards(const QList<CardVolume>& cards) {
    QString text;
    for (const CardVolume& card : cards)
        text += cardLine(card) + u'\n';
    return text;
}

QString TextOutput::unmountedCards(const QList<DiskTool::UnmountedCard>& cards) {
    QString text;
    for (const DiskTool::UnmountedCard& card : cards)
        text += QCoreApplication::translate("TextOutput", "%1 on %2, not mounted")
                    .arg(TerminalText::quotedName(card.name), TerminalText::name(card.device)) +
                u'\n';
    return text;
}

QString TextOutput::scan(const OffloadSession& session, const std::optional<QString>& blocker,
                         const QHash<QString, MediaFacts>& facts) {
    const CardInventory& inventory = session.inventory();
    QString text = cardLine(session.card()) + u'\n';
    appendClips(text, QCoreApplication::translate("TextOutput", "New"), inventory.newFiles,
                session);
    appendClips(text, QCoreApplication::translate("TextOutput", "Offloaded before"),
                inventory.offloaded, session);
    appendClips(text, QCoreApplication::translate("TextOutput", "Copy missing at the destination"),
                inventory.missing, session);
    if (!inventory.ignored.isEmpty()) {
        text += QCoreApplication::translate("TextOutput", "Ignored (%1):")
                    .arg(inventory.ignored.size()) +
                u'\n';
        for (const QString& path : inventory.ignored)
            text += QStringLiteral("  ") + TerminalText::name(path) + u'\n';
    }
    const QList<Clip>& toCopy = session.newClips();
    text += QCoreApplication::translate("TextOutput", "To copy: %1")
                .arg(count(toCopy.size(), QT_TRANSLATE_NOOP("TextOutput", "1 file"),
                           QT_TRANSLATE_N_NOOP("TextOutput", "%n files")));
    if (!toCopy.isEmpty())
        text += QStringLiteral(" (") + SpaceInfo::formatBytes(bytesOf(toCopy)) + u')';
    text += u'\n';
    QStringList left;
    if (const qsizetype shortClips = session.skippedShort().clips.size())
        left << count(shortClips, QT_TRANSLATE_NOOP("TextOutput", "1 short clip left on the card"),
                      QT_TRANSLATE_N_NOOP("TextOutput", "%n short clips left on the card"));
    if (session.outsideDatesCount() > 0)
        left << count(session.outsideDatesCount(),
                      QT_TRANSLATE_NOOP("TextOutput", "1 file from other days"),
                      QT_TRANSLATE_N_NOOP("TextOutput", "%n files from other days"));
    if (session.alreadyOffloadedCount() > 0)
        left << QCoreApplication::translate("TextOutput", "%1 already offloaded")
                    .arg(session.alreadyOffloadedCount());
    if (session.missingCopyCount() > 0)
        left << count(session.missingCopyCount(),
                      QT_TRANSLATE_NOOP("TextOutput", "1 copy missing, not copied again"),
                      QT_TRANSLATE_N_NOOP("TextOutput", "%n copies missing, not copied again"));
    if (!left.isEmpty())
        text += QCoreApplication::translate("TextOutput", "Left out: %1")
                    .arg(left.join(QStringLiteral(" · "))) +
                u'\n';
    if (const qsizetype unchecked = inventory.uncheckedHere.size())
        text += count(unchecked,
                      QT_TRANSLATE_NOOP("TextOutput",
                                        "1 file offloaded by another station to a place this one "
                                        "can’t see"),
                      QT_TRANSLATE_N_NOOP("TextOutput",
                                          "%n files offloaded by another station to places this "
                                          "one can’t see")) +
                u'\n';
    for (const Clip& clip : inventory.allClips())
        if (const auto found = facts.constFind(clip.relativePath);
            found != facts.cend() && found->damage)
            text += QCoreApplication::translate("TextOutput", "May be damaged: %1: %2")
                        .arg(TerminalText::name(clip.relativePath), *found->damage) +
                    u'\n';
    // Unless it is the reason nothing can start, said last below.
    if (const std::optional<QString> failure = ClipsStageContent::readFailure(session);
        failure && !blocker)
        text += TerminalText::name(*failure) + u'\n';
    text += blocker
                ? TerminalText::name(*blocker)
                : QCoreApplication::translate(
                      "TextOutput", "Ready. Every file is verified with SHA-256 after copying.");
    return text + u'\n';
}

QString TextOutput::plan(const QString& destination, const QList<PlannedFile>& files) {
    QString text =
        QCoreApplication::translate("TextOutput", "Into %1").arg(TerminalText::name(destination)) +
        u'\n';
    for (const PlannedFile& file : files) {
        text += QStringLiteral("  ") + TerminalText::name(file.clip.relativePath) +
                QStringLiteral(" → ") + TerminalText::name(file.relativePath());
        if (file.sidecarOf)
            text += QStringLiteral("  ") + QCoreApplication::translate("TextOutput", "(with %1)")
                                               .arg(TerminalText::name(*file.sidecarOf));
        text += u'\n';
    }
    return text;
}

QString TextOutput::historyLine(const HistoryEntry& entry) {
    return entry.offloadedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) +
           QStringLiteral("  ") + TerminalText::name(entry.cardName) + QStringLiteral("  ") +
           TerminalText::name(entry.sourceRelativePath) + QStringLiteral(" → ") +
           TerminalText::name(entry.destinationPath);
}

} // namespace stowly
