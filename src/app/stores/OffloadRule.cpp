#include "app/stores/OffloadRule.h"

#include "app/stores/JsonFields.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <utility>

namespace stowly {
namespace {

const std::array<std::pair<OffloadRule::Match, QLatin1StringView>, 4> matchNames{{
    {OffloadRule::Match::anyCard, QLatin1StringView("any")},
    {OffloadRule::Match::identity, QLatin1StringView("identity")},
    {OffloadRule::Match::name, QLatin1StringView("name")},
    {OffloadRule::Match::camera, QLatin1StringView("camera")},
}};

} // namespace

bool OffloadRule::matches(const CardVolume& card, const std::optional<QUuid>& cardCamera) const {
    switch (match) {
    case Match::anyCard:
        return true;
    case Match::identity:
        return !value.isEmpty() && card.volumeIdentity() == value;
    case Match::name:
        return !value.isEmpty() && QRegularExpression::fromWildcard(value, Qt::CaseInsensitive)
                                       .match(card.name)
                                       .hasMatch();
    case Match::camera:
        return cardCamera && QUuid::fromString(value) == *cardCamera;
    }
    return false;
}

QString OffloadRule::matchName(Match match) {
    for (const auto& [m, name] : matchNames)
        if (m == match)
            return name;
    return {};
}

std::optional<OffloadRule::Match> OffloadRule::matchNamed(const QString& name) {
    for (const auto& [m, text] : matchNames)
        if (name.compare(text, Qt::CaseInsensitive) == 0)
            return m;
    return std::nullopt;
}

QJsonObject OffloadRule::toJson() const {
    QJsonObject object{
        {QStringLiteral("id"), JsonFields::uuidText(id)},
        {QStringLiteral("match"), matchName(match)},
        {QStringLiteral("value"), value},
        {QStringLiteral("project"), project},
        {QStringLiteral("startWithoutAsking"), startWithoutAsking},
        {QStringLiteral("ejectWhenVerified"), ejectWhenVerified},
    };
    if (presetID)
        object.insert(QStringLiteral("presetID"), JsonFields::uuidText(*presetID));
    return object;
}

std::variant<OffloadRule, QString> OffloadRule::fromJson(const QJsonObject& object,
                                                         const QString& what) {
    JsonFields fields(object, what);
    OffloadRule rule;
    rule.id = fields.uuid(QStringLiteral("id"));
    const QString match = fields.text(QStringLiteral("match"));
    rule.value = fields.text(QStringLiteral("value"));
    rule.presetID = fields.optionalUuid(QStringLiteral("presetID"));
    rule.project = fields.text(QStringLiteral("project"));
    rule.startWithoutAsking = fields.flag(QStringLiteral("startWithoutAsking"));
    rule.ejectWhenVerified = fields.flag(QStringLiteral("ejectWhenVerified"));
    if (fields.ok()) {
        if (const std::optional<Match> m = matchNamed(match))
            rule.match = *m;
        else
            fields.fail(
                QCoreApplication::translate("OffloadRule", "“match” of %1 isn’t one Stowly knows")
                    .arg(what));
    }
    if (!fields.ok())
        return *fields.problem();
    return rule;
}

} // namespace stowly
