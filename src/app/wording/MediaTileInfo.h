#pragma once

#include "app/lists/SessionFilesModel.h"
#include "media/Clip.h"
#include "media/MediaFacts.h"

#include <QString>

#include <optional>

namespace stowly {

// One file as the media stage shows it: its planned name, what to say under it, and its marks.
struct MediaTileInfo {
    using Status = SessionFilesModel::FileStatus;

    Clip clip;
    // The planned file name; the file's own name until there is a plan.
    QString name;
    QString detail;
    std::optional<double> duration;
    int sidecars = 0;
    Status status = Status::pending;
    // How much of the file is copied while its status is copying, 0…1; a view showing it
    // makes the tile again as the session's progress moves.
    double copiedFraction = 0;
    bool isReoffload = false;
    bool isIncludedShort = false;
    // The planned name still holds a placeholder because a value it needs is missing.
    bool isPlaceholderName = false;
    // What the file holds, as far as read; a clip may be damaged.
    MediaFacts facts;

    // The row of one of the session lists; none for a row that is not there.
    static std::optional<MediaTileInfo> fromRow(const SessionFilesModel& model, int row);

    // What a screen reader says: category, name, origin, length, sidecars, then the state.
    QString accessibilityText() const;
    // "from C0001.MP4 · H.264 · 1920×1080 · 25 fps · 0:42 · 1 sidecar": the parts that apply,
    // in that order.
    QString detailLine() const;
    // The file's place (`path`), what it holds, and why it may be damaged, a line each.
    QString toolTip(const QString& path) const;

    // The help texts of the status marks.
    static QString missingHelp();
    static QString reoffloadHelp();
    static QString includedShortHelp();
    static QString sidecarsHelp(int sidecars);
    // The damage mark's help; empty for a file not known to be damaged.
    QString damagedHelp() const;

    friend bool operator==(const MediaTileInfo&, const MediaTileInfo&) = default;
};

} // namespace stowly
