#pragma once

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QUuid>

#include <optional>
#include <variant>

namespace stowly {

// Reads the fields of one object of a store file and keeps the first problem in words
// ("“id” of camera 2 isn’t a UUID"), so a file that cannot be read says why. Required fields
// that are missing or of the wrong kind are problems; optional ones of the wrong kind count as
// absent.
class JsonFields {
    Q_DECLARE_TR_FUNCTIONS(JsonFields)

public:
    // what names the object in messages: "the file", "preset 3".
    JsonFields(QJsonObject object, QString what);

    QString text(const QString& key);
    bool flag(const QString& key);
    qint64 integer(const QString& key);
    QUuid uuid(const QString& key);
    QJsonArray array(const QString& key);
    QJsonObject object(const QString& key);

    std::optional<QString> optionalText(const QString& key) const;
    std::optional<QUuid> optionalUuid(const QString& key) const;

    // Records a problem found by the caller (the first one wins).
    void fail(const QString& problem);
    bool ok() const { return !m_problem; }
    const std::optional<QString>& problem() const { return m_problem; }

    // Upper-case, 36 characters, no braces.
    static QString uuidText(const QUuid& id);
    // None unless the value is a UUID text.
    static std::optional<QUuid> parseUuid(const QJsonValue& value);

    // Every object of a store's list decoded by T::fromJson, or the first problem. Items are
    // named "<noun> <number>" in messages, counting from 1.
    template <typename T>
    static std::variant<QList<T>, QString> decodeList(const QJsonArray& list, const QString& noun) {
        QList<T> items;
        items.reserve(list.size());
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QString what = noun + u' ' + QString::number(i + 1);
            if (!list[i].isObject())
                return tr("%1 isn’t an object").arg(what);
            auto decoded = T::fromJson(list[i].toObject(), what);
            if (auto* problem = std::get_if<QString>(&decoded))
                return *problem;
            items.append(std::get<T>(std::move(decoded)));
        }
        return items;
    }

private:
    std::optional<QJsonValue> required(const QString& key);
    void wrongKind(const QString& key, const QString& kind);

    QJsonObject m_object;
    QString m_what;
    std::optional<QString> m_problem;
};

} // namespace stowly
