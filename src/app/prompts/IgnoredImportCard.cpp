#include "app/prompts/IgnoredImportCard.h"

namespace stowly {

QJsonObject IgnoredImportCard::toJson() const {
    return QJsonObject{{QStringLiteral("identity"), identity}, {QStringLiteral("name"), name}};
}

std::optional<IgnoredImportCard> IgnoredImportCard::fromJson(const QJsonObject& object) {
    const QJsonValue identity = object.value(QStringLiteral("identity"));
    const QJsonValue name = object.value(QStringLiteral("name"));
    if (!identity.isString() || !name.isString())
        return std::nullopt;
    return IgnoredImportCard{identity.toString(), name.toString()};
}

} // namespace stowly
