#pragma once

#include "media/CardVolume.h"

#include <QJsonObject>
#include <QString>
#include <QUuid>

#include <optional>
#include <variant>

namespace stowly {

// "When a card like this is inserted, offload it with this preset": what the card must be,
// the setup and project its offload takes, and what happens without a person. Erasing is
// never one of them.
struct OffloadRule {
    enum class Match { anyCard, identity, name, camera };

    QUuid id = QUuid::createUuid();
    Match match = Match::anyCard;
    // The card's volume identity, its name pattern ("A*_CARD", any case), or the camera's id
    // as text; empty for any card.
    QString value;
    // The preset applied before the offload; none keeps the setup of the moment.
    std::optional<QUuid> presetID;
    // The project of the offload, where the naming wants one.
    QString project;
    // Otherwise the card is shown with the preset applied and a person starts it.
    bool startWithoutAsking = true;
    bool ejectWhenVerified = false;

    // `cardCamera` is the camera remembered for the card, if any.
    bool matches(const CardVolume& card, const std::optional<QUuid>& cardCamera) const;

    // "identity", "name", "camera", "any" as stored and typed on the command line.
    static QString matchName(Match match);
    static std::optional<Match> matchNamed(const QString& name);

    QJsonObject toJson() const;
    static std::variant<OffloadRule, QString> fromJson(const QJsonObject& object,
                                                       const QString& what);

    friend bool operator==(const OffloadRule&, const OffloadRule&) = default;
};

} // namespace stowly
