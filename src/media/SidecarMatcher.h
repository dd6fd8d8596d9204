#pragma once

#include "media/Clip.h"
#include "media/FileRole.h"
#include "media/FileRules.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace stowly {

// Finds the companions of each clip: proxies, sidecars and audio recorded under its name.
namespace SidecarMatcher {
struct Sidecar {
    Clip file;
    // Appended to the clip's new name, as written on the card ("M01"); usually empty.
    QString suffix;
    // The companion's own role under the rules.
    FileRole role = FileRole::main;

    friend bool operator==(const Sidecar&, const Sidecar&) = default;
};

struct Result {
    // Primary clip's relative path → its companions in matching order.
    QHash<QString, QList<Sidecar>> sidecars;
    // Companion's relative path → its primary clip's relative path.
    QHash<QString, QString> primaryOf;
};

// Takes the files in copy order: the first of several photos or videos with one name owns
// that name.
Result match(const QList<Clip>& files, const FileRules& rules);
// "M01" for a numbered metadata stem such as "C0001M01".
std::optional<QString> sonySuffix(const QString& stem);
} // namespace SidecarMatcher

} // namespace stowly
