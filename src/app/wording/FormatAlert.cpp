#include "app/wording/FormatAlert.h"

#include "app/wording/MediaFactsText.h"

#include "devices/SpaceInfo.h"

#include <QCoreApplication>

#include <algorithm>

namespace stowly {
namespace {

int pendingOf(const FormatReadiness& readiness) {
    return readiness.notOffloaded + readiness.missingCopies + readiness.uncheckedCopies;
}

QString homeAbbreviated(const QString& path, const QString& home) {
    if (home.size() > 1 && (path == home || path.startsWith(home + u'/')))
        return u'~' + path.mid(home.size());
    return path;
}

} // namespace

QString FormatAlert::formatTitle(const std::optional<FormatReadiness>& readiness) {
    const int clips = readiness && readiness->shortSkippedFiles > 0
                          ? std::max(readiness->shortSkippedClips, 1)
                          : 0;
    if (clips == 0)
        return QCoreApplication::translate("FormatAlert", "Format");
    if (clips == 1)
        return QCoreApplication::translate("FormatAlert", "Format and Discard 1 Short Clip");
    return QCoreApplication::translate("FormatAlert", "Format and Discard %n Short Clips", nullptr,
                                       int(clips));
}

QString FormatAlert::helpText(bool canFormat, const std::optional<FormatReadiness>& readiness) {
    const bool hasSkipped = readiness && readiness->shortSkippedFiles >= 1;
    if (canFormat) {
        if (hasSkipped && readiness->fileCount >= 1 && pendingOf(*readiness) == 0)
            return QCoreApplication::translate(
                "FormatAlert",
                "Erase this card. The skipped short clips weren’t offloaded and will be "
                "lost");
        return QCoreApplication::translate("FormatAlert",
                                           "Erase this card so it’s ready for new footage");
    }
    if (readiness && readiness->unreadable)
        return QCoreApplication::translate(
            "FormatAlert",
            "Available once Stowly can read the whole card and every file on it has a verified "
            "copy");
    if (hasSkipped && pendingOf(*readiness) >= 1)
        return QCoreApplication::translate(
            "FormatAlert", "Offload the other files first. Include or remove short clips first, or "
                           "format and discard them");
    return QCoreApplication::translate("FormatAlert",
                                       "Available once every file on the card has a verified copy");
}

Confirmation FormatAlert::text(const QString& cardName, const FormatReadiness& readiness,
                               const QString& home) {
    const int skipped = readiness.shortSkippedFiles;
    const int verified = std::max(0, readiness.fileCount - pendingOf(readiness) - skipped);
    QString message;
    if (skipped >= 1)
        message = verified == 1 ? QCoreApplication::translate("FormatAlert", "The 1 other file")
                                : QCoreApplication::translate("FormatAlert", "The other %n files",
                                                              nullptr, int(verified));
    else
        message = verified == 1 ? QCoreApplication::translate("FormatAlert", "The 1 file")
                                : QCoreApplication::translate("FormatAlert", "All %n files",
                                                              nullptr, int(verified));
    message +=
        QCoreApplication::translate("FormatAlert", " (%1) on this card were copied and verified")
            .arg(SpaceInfo::formatBytes(readiness.totalBytes));
    if (readiness.copiesFolder)
        message += QCoreApplication::translate("FormatAlert", " to %1")
                       .arg(homeAbbreviated(*readiness.copiesFolder, home));
    if (skipped >= 1) {
        const int clips = readiness.shortSkippedClips;
        message += clips == 1 ? QCoreApplication::translate(
                                    "FormatAlert",
                                    ".\n\n1 short clip (skipped by “Skip videos shorter than”) has "
                                    "no copy and will be lost")
                              : QCoreApplication::translate(
                                    "FormatAlert",
                                    ".\n\n%n short clips (skipped by “Skip videos shorter than”) "
                                    "have no copy and will be lost",
                                    nullptr, int(clips));
    }
    if (readiness.ignoredItems >= 1)
        message += readiness.ignoredItems == 1
                       ? QCoreApplication::translate(
                             "FormatAlert",
                             ".\n\n1 ignored item (system files and your ignore list) weren’t "
                             "copied and will be erased too")
                       : QCoreApplication::translate(
                             "FormatAlert",
                             ".\n\n%n ignored items (system files and your ignore list) weren’t "
                             "copied and will be erased too",
                             nullptr, int(readiness.ignoredItems));
    if (!readiness.damagedClips.isEmpty())
        message +=
            QStringLiteral(".\n\n") + MediaFactsText::damagedParagraph(readiness.damagedClips);
    message += QCoreApplication::translate(
                   "FormatAlert",
                   ".\n\nFormatting erases everything on “%1”. This can’t be undone.\n\nTip: "
                   "formatting in your camera is usually best, because it sets the card up "
                   "exactly the way the camera expects.")
                   .arg(cardName);
    return {QCoreApplication::translate("FormatAlert", "Format “%1”?").arg(cardName), message,
            formatTitle(readiness)};
}

QString FormatAlert::unreadableText(const QString& cardName, const ScanFailure& failure) {
    return QCoreApplication::translate("FormatAlert", "“%1” wasn’t formatted. %2")
        .arg(cardName, failure.description());
}

QString FormatAlert::formattingText(const QString& cardName) {
    return QCoreApplication::translate("FormatAlert", "Formatting “%1”…").arg(cardName);
}

QString FormatAlert::formattedText(const QString& cardName) {
    return QCoreApplication::translate("FormatAlert",
                                       "“%1” was formatted and is ready for your camera.")
        .arg(cardName);
}

std::optional<QString> FormatAlert::stateText(const AppModel::FormatState& state) {
    switch (state.kind) {
    case AppModel::FormatState::Kind::idle:
        return std::nullopt;
    case AppModel::FormatState::Kind::formatting:
        return formattingText(state.text);
    case AppModel::FormatState::Kind::formatted:
        return state.note ? *state.note : formattedText(state.text);
    case AppModel::FormatState::Kind::failed:
        return state.text;
    }
    return std::nullopt;
}

} // namespace stowly
