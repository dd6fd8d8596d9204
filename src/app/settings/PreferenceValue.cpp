#include "app/settings/PreferenceValue.h"

#include <QJsonParseError>

namespace stowly::preferenceValue {
namespace {

bool isDigits(QStringView text) {
    if (text.startsWith(u'+') || text.startsWith(u'-'))
        text = text.mid(1);
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

std::optional<bool> flag(const QSettings& store, const QString& key) {
    const QVariant value = store.value(key);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::QString: {
        const QString text = value.toString();
        if (text == u"true")
            return true;
        if (text == u"false")
            return false;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<qint64> integer(const QSettings& store, const QString& key) {
    const QVariant value = store.value(key);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toLongLong();
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        bool ok = false;
        const qint64 number = value.toLongLong(&ok);
        return ok ? std::optional<qint64>(number) : std::nullopt;
    }
    case QMetaType::QString: {
        const QString text = value.toString();
        if (!isDigits(text))
            return std::nullopt;
        bool ok = false;
        const qint64 number = text.toLongLong(&ok);
        return ok ? std::optional<qint64>(number) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<QString> text(const QSettings& store, const QString& key) {
    const QVariant value = store.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

std::optional<QStringList> textList(const QSettings& store, const QString& key) {
    if (!store.contains(key))
        return std::nullopt;
    const QVariant value = store.value(key);
    switch (value.typeId()) {
    case QMetaType::QStringList:
        return value.toStringList();
    case QMetaType::QString:
        return QStringList{value.toString()};
    case QMetaType::UnknownType:
        return QStringList();
    default:
        return std::nullopt;
    }
}

std::optional<QJsonDocument> json(const QSettings& store, const QString& key) {
    const QVariant value = store.value(key);
    QByteArray bytes;
    if (value.typeId() == QMetaType::QString)
        bytes = value.toString().toUtf8();
    else if (value.typeId() == QMetaType::QByteArray)
        bytes = value.toByteArray();
    else
        return std::nullopt;
    QJsonParseError error;
    QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return std::nullopt;
    return document;
}

} // namespace stowly::preferenceValue
