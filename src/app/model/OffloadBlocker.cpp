#include "app/model/OffloadBlocker.h"

#include "base/Quoted.h"

#include "app/settings/AppSettings.h"
#include "copy/FolderProbe.h"
#include "copy/ShareAddress.h"
#include "devices/SpaceInfo.h"
#include "devices/VolumeInfo.h"
#include "devices/VolumePaths.h"
#include "naming/NamingNeeds.h"
#include "naming/Renamer.h"
#include "session/OffloadSession.h"

#include <QDir>
#include <QFileInfo>

namespace stowly {
namespace {

using Reason = OffloadBlocker::Reason;

OffloadBlocker block(Reason reason, QString text) {
    return OffloadBlocker{reason, std::move(text)};
}

std::optional<OffloadBlocker> nothingToCopy(const OffloadSession& session) {
    const int missing = session.missingCopyCount();
    const qsizetype shortClips = session.skippedShort().clips.size();
    if (missing == 1)
        return block(
            Reason::missingCopies,
            OffloadBlocker::tr("1 copy is missing at the destination — choose Re-offload"));
    if (missing > 1)
        return block(
            Reason::missingCopies,
            OffloadBlocker::tr("%n copies are missing at the destination — choose Re-offload",
                               nullptr, missing));
    if (shortClips == 1)
        return block(
            Reason::onlyShortClips,
            OffloadBlocker::tr("Only a short clip is left — choose Include Anyway to offload it"));
    if (shortClips > 1)
        return block(Reason::onlyShortClips,
                     OffloadBlocker::tr("Only short clips are left — choose Include All Short "
                                        "Clips to offload them"));
    if (session.outsideDatesCount() >= 1)
        return block(Reason::nothingInDates,
                     OffloadBlocker::tr(
                         "Nothing new in the chosen dates — choose Any date to see everything"));
    return block(Reason::allOffloaded,
                 OffloadBlocker::tr("Everything on this card is already offloaded"));
}

} // namespace

std::optional<OffloadBlocker> OffloadBlocker::find(const OffloadSession* session, bool isScanning,
                                                   const AppSettings& settings,
                                                   const QString& cameraValue) {
    if (isScanning)
        return block(Reason::scanning, tr("Scanning card…"));
    if (!session)
        return block(Reason::noCard, tr("Insert a card to begin"));
    if (const auto& unreadable = session->inventory().unreadable;
        unreadable && session->newClips().isEmpty())
        return block(Reason::unreadableCard, unreadable->description());
    if (session->inventory().fileCount() == 0)
        return block(Reason::emptyCard, tr("This card is empty"));
    if (session->newClips().isEmpty())
        return nothingToCopy(*session);
    const std::optional<NamingTemplates> naming = settings.effectiveNaming();
    if (!naming)
        return block(Reason::namingInvalid, tr("Fix the naming template in Settings"));
    const NamingNeeds needs(naming);
    if (needs.usesProject && Renamer::sanitizeName(session->projectInput(), nameLength).isEmpty())
        return block(Reason::projectNeeded, tr("Enter a project name"));
    if (needs.usesCamera && cameraValue.isEmpty())
        return block(Reason::cameraNeeded, tr("Choose a camera"));
    const std::optional<QString> destination = settings.value(setting::destinationPath);
    if (!destination || destination->isEmpty())
        return block(Reason::noDestination, tr("Choose a destination folder"));
    const qint64 needed = session->newBytes();
    // The main destination's words stay as they were; a backup is named, since there may be
    // several.
    const auto check = [&](const QString& folder,
                           const std::optional<QString>& name) -> std::optional<OffloadBlocker> {
        // Asked with a time limit: a share whose server froze must not freeze the window.
        struct Facts {
            bool isFolder = false;
            bool onCard = false;
            std::optional<VolumeInfo::StatfsInfo> info;
        };
        auto facts = std::make_shared<Facts>();
        const bool answered =
            FolderProbe::answers(folder, [facts, folder, card = session->card().url] {
                facts->isFolder = QFileInfo(folder).isDir();
                if (!facts->isFolder)
                    return;
                facts->onCard = isOnCard(folder, card);
                facts->info = VolumeInfo::statfsInfo(folder);
            });
        if (!answered) {
            const std::optional<ShareAddress> share = ShareAddress::of(folder);
            const QString silent =
                share ? tr("The share “%1” on %2 isn’t answering").arg(share->share, share->server)
                      : tr("The destination folder isn’t answering");
            return block(Reason::destinationNotAnswering,
                         name ? QStringLiteral("%1: %2").arg(*name, silent) : silent);
        }
        if (!facts->isFolder)
            return block(Reason::destinationMissing,
                         name ? tr("The backup destination %1 isn’t connected — connect it or "
                                   "remove it from the backups")
                                    .arg(*name)
                              : tr("The destination folder isn’t connected — choose another"));
        // The copies would land on the card they come from, and the next scan would offer them
        // again.
        if (facts->onCard)
            return block(Reason::destinationOnCard,
                         name ? tr("The backup destination %1 is on this card.").arg(*name)
                              : tr("Your destination folder is on this card."));
        const auto& info = facts->info;
        if (const auto readOnly = VolumeInfo::readOnlyReason(info))
            return block(Reason::destinationReadOnly,
                         name ? QStringLiteral("%1: %2").arg(*name, *readOnly) : *readOnly);
        const std::optional<qint64> available = VolumeInfo::availableBytes(info);
        if (available && *available < needed) {
            const QString text =
                tr("Not enough space: needs %1, %2 free")
                    .arg(SpaceInfo::formatBytes(needed), SpaceInfo::formatBytes(*available));
            return block(Reason::notEnoughSpace,
                         name ? QStringLiteral("%1: %2").arg(*name, text) : text);
        }
        return std::nullopt;
    };
    if (auto blocked = check(*destination, std::nullopt))
        return blocked;
    for (const QString& backup : settings.value(setting::backupDestinations)) {
        // Both copies would race for one name, and the second would fail every file.
        if (QDir::cleanPath(backup) == QDir::cleanPath(*destination))
            return block(Reason::backupIsDestination,
                         tr("The backup destination %1 is the destination itself — remove it "
                            "from the backups")
                             .arg(quoted(backup)));
        if (auto blocked = check(backup, quoted(backup)))
            return blocked;
    }
    return std::nullopt;
}

bool OffloadBlocker::isOnCard(const QString& destination, const QString& cardPath) {
    const auto resolved = [](const QString& path) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        return canonical.isEmpty() ? VolumePaths::normalized(path) : canonical;
    };
    return VolumePaths::isOnVolume(resolved(destination), resolved(cardPath));
}

} // namespace stowly
