#include "app/OffloadBlocker.h"

#include "app/AppSettings.h"
#include "devices/SpaceInfo.h"
#include "devices/VolumeInfo.h"
#include "devices/VolumePaths.h"
#include "naming/NamingNeeds.h"
#include "naming/Renamer.h"
#include "session/OffloadSession.h"

#include <QFileInfo>

namespace stowly {

std::optional<QString> OffloadBlocker::reason(const OffloadSession* session, bool isScanning,
                                              const AppSettings& settings,
                                              const QString& cameraValue) {
    if (!session)
        return isScanning ? QStringLiteral("Scanning card…")
                          : QStringLiteral("Insert a card to begin");
    if (isScanning)
        return QStringLiteral("Scanning card…");
    if (session->inventory().fileCount() == 0)
        return QStringLiteral("This card is empty");
    if (session->newClips().isEmpty()) {
        const int missing = session->missingCopyCount();
        const qsizetype shortClips = session->skippedShort().clips.size();
        if (missing == 1)
            return QStringLiteral("1 copy is missing at the destination — choose Re-offload");
        if (missing > 1)
            return QString::number(missing) +
                   QStringLiteral(" copies are missing at the destination — choose Re-offload");
        if (shortClips == 1)
            return QStringLiteral(
                "Only a short clip is left — choose Include Anyway to offload it");
        if (shortClips > 1)
            return QStringLiteral(
                "Only short clips are left — choose Include All Short Clips to offload them");
        if (session->outsideDatesCount() >= 1)
            return QStringLiteral(
                "Nothing new in the chosen dates — choose Any date to see everything");
        return QStringLiteral("Everything on this card is already offloaded");
    }
    const std::optional<NamingTemplates> naming = settings.effectiveNaming();
    if (!naming)
        return QStringLiteral("Fix the naming template in Settings");
    const NamingNeeds needs(naming);
    if (needs.usesProject &&
        Renamer::sanitizeName(session->projectInput(), OffloadBlocker::nameLength).isEmpty())
        return QStringLiteral("Enter a project name");
    if (needs.usesCamera && cameraValue.isEmpty())
        return QStringLiteral("Choose a camera");
    const std::optional<QString> destination = settings.destinationPath();
    if (!destination || destination->isEmpty())
        return QStringLiteral("Choose a destination folder");
    if (!QFileInfo(*destination).isDir())
        return QStringLiteral("The destination folder isn’t connected — choose another");
    // The copies would land on the card they come from, and the next scan would offer them again.
    const QString cardFolder = QFileInfo(session->card().url).canonicalFilePath();
    if (!cardFolder.isEmpty() && VolumePaths::withSlash(QFileInfo(*destination).canonicalFilePath())
                                     .startsWith(VolumePaths::withSlash(cardFolder)))
        return QStringLiteral("Your destination folder is on this card.");
    const auto info = VolumeInfo::statfsInfo(*destination);
    if (const auto readOnly = VolumeInfo::readOnlyReason(info))
        return *readOnly;
    const std::optional<qint64> available = VolumeInfo::availableBytes(info);
    const qint64 needed = session->newBytes();
    if (available && *available < needed)
        return QStringLiteral("Not enough space: needs ") + SpaceInfo::formatBytes(needed) +
               QStringLiteral(", ") + SpaceInfo::formatBytes(*available) + QStringLiteral(" free");
    return std::nullopt;
}

} // namespace stowly
