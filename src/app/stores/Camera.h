#pragma once

#include <QJsonObject>
#include <QString>
#include <QUuid>

#include <variant>

namespace stowly {

// A camera of the user's: a name and the short code naming templates insert.
struct Camera {
    QUuid id = QUuid::createUuid();
    QString name;
    QString code;

    QJsonObject toJson() const;
    // The camera, or the first problem in words; what names it in that message ("camera 2").
    static std::variant<Camera, QString> fromJson(const QJsonObject& object, const QString& what);

    friend bool operator==(const Camera&, const Camera&) = default;
};

} // namespace stowly
