#include "app/wording/MediaTileInfo.h"

#include "app/wording/MediaFactsText.h"

#include "media/DurationFormatting.h"
#include "media/MediaCategory.h"
#include "session/OffloadSession.h"

#include <QCoreApplication>

#include <algorithm>

namespace stowly {
namespace {

QString categoryName(MediaCategory category) {
    switch (category) {
    case MediaCategory::video:
        return QCoreApplication::translate("MediaTileInfo", "Video");
    case MediaCategory::photo:
        return QCoreApplication::translate("MediaTileInfo", "Photo");
    case MediaCategory::audio:
        return QCoreApplication::translate("MediaTileInfo", "Audio");
    case MediaCategory::other:
        break;
    }
    return QCoreApplication::translate("MediaTileInfo", "Other");
}

} // namespace

std::optional<MediaTileInfo> MediaTileInfo::fromRow(const SessionFilesModel& model, int row) {
    const QModelIndex index = model.index(row);
    const std::optional<Clip> clip = model.clip(row);
    if (!index.isValid() || !clip)
        return std::nullopt;
    MediaTileInfo info;
    info.clip = *clip;
    info.name = index.data(SessionFilesModel::PlannedNameRole).toString();
    if (info.name.isEmpty())
        info.name = clip->fileName();
    const QVariant duration = index.data(SessionFilesModel::DurationRole);
    if (duration.isValid())
        info.duration = duration.toDouble();
    info.sidecars = index.data(SessionFilesModel::SidecarCountRole).toInt();
    info.status = Status(index.data(SessionFilesModel::StatusRole).toInt());
    // Only one file copies at a time; its share moves with every report, not with the rows.
    if (info.status == Status::copying && model.session()) {
        const OffloadProgress& progress = model.session()->progress();
        info.copiedFraction =
            clip->size > 0
                ? std::clamp(double(progress.currentFileBytes) / double(clip->size), 0.0, 1.0)
                : (progress.isVerifying ? 1.0 : 0.0);
    }
    info.isReoffload = index.data(SessionFilesModel::IsReoffloadRole).toBool();
    info.isIncludedShort = index.data(SessionFilesModel::IsIncludedShortRole).toBool();
    info.isPlaceholderName = index.data(SessionFilesModel::IsPlaceholderNameRole).toBool();
    info.facts = model.facts(row);
    info.detail = info.detailLine();
    return info;
}

QString MediaTileInfo::accessibilityText() const {
    const QString own = clip.fileName();
    QString text = categoryName(mediaCategory::classify(mediaCategory::extensionOf(own))) +
                   QStringLiteral(", ") + name;
    if (name != own && !isPlaceholderName)
        text += QCoreApplication::translate("MediaTileInfo", ", from %1").arg(own);
    if (duration)
        text += QCoreApplication::translate("MediaTileInfo", ", %1 long")
                    .arg(DurationFormatting::shortText(*duration));
    if (sidecars == 1)
        text += QCoreApplication::translate("MediaTileInfo", ", with 1 sidecar");
    else if (sidecars > 1)
        text += QCoreApplication::translate("MediaTileInfo", ", with %n sidecars", nullptr,
                                            int(sidecars));
    switch (status) {
    case Status::copying:
        text += QCoreApplication::translate("MediaTileInfo", ", copying now");
        break;
    case Status::verified:
        text += QCoreApplication::translate("MediaTileInfo", ", copied and verified");
        break;
    case Status::offloaded:
        text += QCoreApplication::translate("MediaTileInfo", ", already offloaded");
        break;
    case Status::missing:
        text += QCoreApplication::translate("MediaTileInfo", ", copy missing at the destination");
        break;
    case Status::skipped:
        text += QCoreApplication::translate("MediaTileInfo", ", short clip, skipped");
        break;
    case Status::pending:
        break;
    }
    if (isIncludedShort)
        text += QCoreApplication::translate("MediaTileInfo", ", short clip included anyway");
    if (isReoffload)
        text += QCoreApplication::translate("MediaTileInfo", ", will be re-offloaded");
    if (facts.damage)
        text += QCoreApplication::translate("MediaTileInfo", ", may be damaged");
    return text;
}

QString MediaTileInfo::detailLine() const {
    QStringList parts;
    const QString own = clip.fileName();
    if (name != own)
        parts.append(QCoreApplication::translate("MediaTileInfo", "from %1").arg(own));
    if (const QString held = MediaFactsText::line(facts, duration); !held.isEmpty())
        parts.append(held);
    if (sidecars == 1)
        parts.append(QCoreApplication::translate("MediaTileInfo", "1 sidecar"));
    else if (sidecars > 1)
        parts.append(
            QCoreApplication::translate("MediaTileInfo", "%n sidecars", nullptr, int(sidecars)));
    return parts.join(QStringLiteral(" · "));
}

QString MediaTileInfo::toolTip(const QString& path) const {
    QStringList lines{path};
    if (!facts.isEmpty())
        lines << MediaFactsText::line(facts, duration);
    if (facts.damage)
        lines << damagedHelp();
    return lines.join(u'\n');
}

QString MediaTileInfo::damagedHelp() const {
    return facts.damage ? MediaFactsText::damagedHelp(*facts.damage) : QString();
}

QString MediaTileInfo::missingHelp() {
    return QCoreApplication::translate("MediaTileInfo", "Copy missing at the destination");
}

QString MediaTileInfo::reoffloadHelp() {
    return QCoreApplication::translate("MediaTileInfo", "Will be copied again as a new copy");
}

QString MediaTileInfo::includedShortHelp() {
    return QCoreApplication::translate(
        "MediaTileInfo", "Shorter than the “Skip videos shorter than” limit, included anyway");
}

QString MediaTileInfo::sidecarsHelp(int sidecars) {
    return sidecars == 1
               ? QCoreApplication::translate("MediaTileInfo", "Has 1 sidecar file, copied with it")
               : QCoreApplication::translate("MediaTileInfo", "%n sidecar files, copied with it",
                                             nullptr, int(sidecars));
}

} // namespace stowly
