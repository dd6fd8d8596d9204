#include "app/stores/JsonFields.h"

#include <cmath>

namespace stowly {

JsonFields::JsonFields(QJsonObject object, QString what)
    : m_object(std::move(object)), m_what(std::move(what)) {}

void JsonFields::fail(const QString& problem) {
    if (!m_problem)
        m_problem = problem;
}

std::optional<QJsonValue> JsonFields::required(const QString& key) {
    const auto found = m_object.constFind(key);
    if (found == m_object.constEnd()) {
        fail(tr("%1 lacks “%2”").arg(m_what, key));
        return std::nullopt;
    }
    return *found;
}

void JsonFields::wrongKind(const QString& key, const QString& kind) {
    fail(tr("“%1” of %2 isn’t %3").arg(key, m_what, kind));
}

QString JsonFields::text(const QString& key) {
    const std::optional<QJsonValue> value = required(key);
    if (value && !value->isString())
        wrongKind(key, tr("text"));
    return value ? value->toString() : QString();
}

bool JsonFields::flag(const QString& key) {
    const std::optional<QJsonValue> value = required(key);
    if (value && !value->isBool())
        wrongKind(key, tr("true or false"));
    return value && value->toBool();
}

qint64 JsonFields::integer(const QString& key) {
    const std::optional<QJsonValue> value = required(key);
    if (!value)
        return 0;
    const double number = value->toDouble(std::nan(""));
    if (!value->isDouble() || !std::isfinite(number) || std::floor(number) != number ||
        std::fabs(number) > 9.0e15) {
        wrongKind(key, tr("a whole number"));
        return 0;
    }
    return qint64(number);
}

QUuid JsonFields::uuid(const QString& key) {
    const std::optional<QJsonValue> value = required(key);
    if (!value)
        return QUuid();
    const std::optional<QUuid> id = parseUuid(*value);
    if (!id)
        wrongKind(key, tr("a UUID"));
    return id.value_or(QUuid());
}

QJsonArray JsonFields::array(const QString& key) {
    const std::optional<QJsonValue> value = required(key);
    if (value && !value->isArray())
        wrongKind(key, tr("a list"));
    return value ? value->toArray() : QJsonArray();
}

QJsonObject JsonFields::object(const QString& key) {
    const std::optional<QJsonValue> value = required(key);
    if (value && !value->isObject())
        wrongKind(key, tr("an object"));
    return value ? value->toObject() : QJsonObject();
}

std::optional<QString> JsonFields::optionalText(const QString& key) const {
    const QJsonValue value = m_object.value(key);
    return value.isString() ? std::optional<QString>(value.toString()) : std::nullopt;
}

std::optional<QUuid> JsonFields::optionalUuid(const QString& key) const {
    return parseUuid(m_object.value(key));
}

QString JsonFields::uuidText(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces).toUpper();
}

std::optional<QUuid> JsonFields::parseUuid(const QJsonValue& value) {
    if (!value.isString())
        return std::nullopt;
    const QString text = value.toString();
    // Only the plain 36-character form: braces or other shapes are not what we write.
    if (text.size() != 36)
        return std::nullopt;
    const QUuid id = QUuid::fromString(text);
    if (id.isNull() && text != u"00000000-0000-0000-0000-000000000000")
        return std::nullopt;
    return id;
}

} // namespace stowly
