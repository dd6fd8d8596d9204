#include "app/stores/Camera.h"

#include "app/stores/JsonFields.h"

namespace stowly {

QJsonObject Camera::toJson() const {
    return QJsonObject{{QStringLiteral("id"), JsonFields::uuidText(id)},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("code"), code}};
}

std::variant<Camera, QString> Camera::fromJson(const QJsonObject& object, const QString& what) {
    JsonFields fields(object, what);
    Camera camera;
    camera.id = fields.uuid(QStringLiteral("id"));
    camera.name = fields.text(QStringLiteral("name"));
    camera.code = fields.text(QStringLiteral("code"));
    if (!fields.ok())
        return *fields.problem();
    return camera;
}

} // namespace stowly
