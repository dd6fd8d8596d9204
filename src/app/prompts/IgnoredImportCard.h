#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace stowly {

// A card the user asked never to be prompted for.
struct IgnoredImportCard {
    // The card's volume UUID, else its name.
    QString identity;
    // The card's name when it was ignored, for the settings list.
    QString name;

    // {"identity": …, "name": …}
    QJsonObject toJson() const;
    // None unless both keys hold text.
    static std::optional<IgnoredImportCard> fromJson(const QJsonObject& object);

    friend bool operator==(const IgnoredImportCard&, const IgnoredImportCard&) = default;
};

} // namespace stowly
