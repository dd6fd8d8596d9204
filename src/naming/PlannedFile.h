#pragma once

#include "media/Clip.h"
#include "media/FileRole.h"

#include <QString>

#include <optional>

namespace stowly {

// One source file with the folder and name it gets below the destination.
struct PlannedFile {
    Clip clip;
    // Relative to the destination root, "/"-separated; empty for the root itself.
    QString folder;
    QString fileName;
    // For a companion planned with its clip: the clip's source file name.
    std::optional<QString> sidecarOf;
    FileRole role = FileRole::main;
    // The type folder, "Proxies" or "Sidecars" the planner added; none directly in the shoot
    // folder.
    std::optional<QString> sortFolder;

    const QString& id() const { return clip.relativePath; }
    QString relativePath() const { return folder.isEmpty() ? fileName : folder + u'/' + fileName; }

    friend bool operator==(const PlannedFile&, const PlannedFile&) = default;
};

} // namespace stowly
