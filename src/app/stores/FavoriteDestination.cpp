#include "app/stores/FavoriteDestination.h"

#include "app/stores/JsonFields.h"

namespace stowly {

QString FavoriteDestination::displayName() const {
    const QString trimmed = name.trimmed();
    if (!trimmed.isEmpty())
        return trimmed;
    const QString last = path.mid(path.lastIndexOf(u'/') + 1);
    return last.isEmpty() ? path : last;
}

QJsonObject FavoriteDestination::toJson() const {
    QJsonObject object{{QStringLiteral("id"), JsonFields::uuidText(id)},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("path"), path}};
    if (bookmark)
        object.insert(QStringLiteral("bookmark"), QString::fromLatin1(bookmark->toBase64()));
    return object;
}

std::variant<FavoriteDestination, QString> FavoriteDestination::fromJson(const QJsonObject& object,
                                                                         const QString& what) {
    JsonFields fields(object, what);
    FavoriteDestination favorite;
    favorite.id = fields.uuid(QStringLiteral("id"));
    favorite.name = fields.text(QStringLiteral("name"));
    favorite.path = fields.text(QStringLiteral("path"));
    if (!fields.ok())
        return *fields.problem();
    // A bookmark that is not Base64 only loses the ability to follow a move.
    if (const std::optional<QString> text = fields.optionalText(QStringLiteral("bookmark"))) {
        auto decoded = QByteArray::fromBase64Encoding(text->toLatin1(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
        if (decoded && !decoded.decoded.isEmpty())
            favorite.bookmark = decoded.decoded;
    }
    return favorite;
}

} // namespace stowly
