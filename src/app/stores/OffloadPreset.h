#pragma once

#include "media/FileRules.h"

#include <QJsonObject>
#include <QString>
#include <QUuid>

#include <optional>
#include <variant>

namespace stowly {

// A whole offload setup saved under a name: destination, naming, camera, short-clip rule,
// quick dump and file rules.
struct OffloadPreset {
    QUuid id = QUuid::createUuid();
    QString name;
    std::optional<QString> destinationPath;
    QString folderTemplate = QStringLiteral("{date}/{project}");
    QString fileTemplate = QStringLiteral("{date}_{project}_{seq}");
    std::optional<QUuid> cameraID;
    bool skipShortClips = true;
    int shortClipSeconds = 5;
    bool quickDump = false;
    FileRules fileRules = FileRules::standard();

    static inline const QString untitledName = QStringLiteral("Untitled Preset");

    // The one line shown under the name: "Date / Project · Skips < 5 s".
    QString summary() const;
    // The name as shown in lists: "Untitled Preset" when it is blank.
    QString displayName() const;

    QJsonObject toJson() const;
    // The preset, or the first problem in words; what names it in that message ("preset 2").
    static std::variant<OffloadPreset, QString> fromJson(const QJsonObject& object,
                                                         const QString& what);

    friend bool operator==(const OffloadPreset&, const OffloadPreset&) = default;
};

} // namespace stowly
