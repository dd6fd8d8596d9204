#include "app/stores/CameraStore.h"

#include "app/stores/JsonFields.h"
#include "app/stores/ListMove.h"
#include "base/AppFolders.h"

#include <QJsonArray>

namespace stowly {

CameraStore::CameraStore(std::optional<QString> filePath, QList<Camera> cameras, QObject* parent)
    : QObject(parent), m_cameras(std::move(cameras)),
      m_file(std::move(filePath), tr("Couldn’t read the camera list: %1"),
             tr("Couldn’t save the camera list: %1.")) {
    load();
}

QString CameraStore::defaultFileURL() {
    return AppFolders::appSupport() + QStringLiteral("/cameras.json");
}

void CameraStore::load() {
    m_file.load([this](const QJsonObject& object) -> std::optional<QString> {
        JsonFields fields(object, tr("the file"));
        const QJsonArray list = fields.array(QStringLiteral("cameras"));
        const QJsonObject cards = fields.object(QStringLiteral("perCard"));
        if (!fields.ok())
            return fields.problem();
        auto cameras = JsonFields::decodeList<Camera>(list, QStringLiteral("camera"));
        if (auto* problem = std::get_if<QString>(&cameras))
            return *problem;
        QMap<QString, QUuid> perCard;
        for (auto it = cards.begin(); it != cards.end(); ++it) {
            const std::optional<QUuid> id = JsonFields::parseUuid(it.value());
            if (!id)
                return tr("the camera recorded for the card “%1” isn’t a UUID").arg(it.key());
            perCard.insert(it.key(), *id);
        }
        m_cameras = std::get<QList<Camera>>(std::move(cameras));
        m_lastCameraID = fields.optionalUuid(QStringLiteral("lastCameraID"));
        m_perCard = perCard;
        return std::nullopt;
    });
}

void CameraStore::save() {
    QJsonArray list;
    for (const Camera& camera : m_cameras)
        list.append(camera.toJson());
    QJsonObject cards;
    for (auto it = m_perCard.cbegin(); it != m_perCard.cend(); ++it)
        cards.insert(it.key(), JsonFields::uuidText(it.value()));
    QJsonObject content{{QStringLiteral("cameras"), list}, {QStringLiteral("perCard"), cards}};
    if (m_lastCameraID)
        content.insert(QStringLiteral("lastCameraID"), JsonFields::uuidText(*m_lastCameraID));
    m_file.save(content);
    Q_EMIT changed();
}

int CameraStore::indexOf(const QUuid& id) const {
    for (int i = 0; i < m_cameras.size(); ++i)
        if (m_cameras[i].id == id)
            return i;
    return -1;
}

std::optional<Camera> CameraStore::camera(const std::optional<QUuid>& id) const {
    if (!id)
        return std::nullopt;
    const int index = indexOf(*id);
    return index < 0 ? std::nullopt : std::optional<Camera>(m_cameras[index]);
}

Camera CameraStore::add(const QString& name, const QString& code) {
    const auto taken = [this](const QString& candidate) {
        return std::any_of(m_cameras.cbegin(), m_cameras.cend(), [&](const Camera& camera) {
            return camera.name.compare(candidate, Qt::CaseInsensitive) == 0;
        });
    };
    QString candidate = name;
    for (int n = 2; taken(candidate); ++n)
        candidate = name + u' ' + QString::number(n);
    Camera camera{QUuid::createUuid(), candidate, code};
    m_cameras.append(camera);
    save();
    return camera;
}

void CameraStore::rename(const QUuid& id, const QString& name) {
    const int index = indexOf(id);
    if (index < 0 || m_cameras[index].name == name)
        return;
    m_cameras[index].name = name;
    save();
}

void CameraStore::setCode(const QUuid& id, const QString& code) {
    const int index = indexOf(id);
    if (index < 0 || m_cameras[index].code == code)
        return;
    m_cameras[index].code = code;
    save();
}

void CameraStore::remove(const QSet<QUuid>& ids) {
    const qsizetype removed =
        m_cameras.removeIf([&](const Camera& camera) { return ids.contains(camera.id); });
    const bool lastRemoved = m_lastCameraID && ids.contains(*m_lastCameraID);
    if (lastRemoved)
        m_lastCameraID.reset();
    const qsizetype forgotten = m_perCard.removeIf(
        [&](const QMap<QString, QUuid>::iterator& it) { return ids.contains(it.value()); });
    if (removed > 0 || lastRemoved || forgotten > 0)
        save();
}

void CameraStore::move(const QList<int>& fromOffsets, int toOffset) {
    if (moveItems(m_cameras, fromOffsets, toOffset))
        save();
}

std::optional<Camera> CameraStore::suggestedCamera(const QString& cardIdentity) const {
    const auto recorded = m_perCard.constFind(cardIdentity);
    if (recorded != m_perCard.cend())
        if (std::optional<Camera> found = camera(recorded.value()))
            return found;
    return camera(m_lastCameraID);
}

void CameraStore::remember(const std::optional<QUuid>& id, const QString& cardIdentity) {
    if (!id)
        return;
    if (m_perCard.contains(cardIdentity) && m_perCard.value(cardIdentity) == *id &&
        m_lastCameraID == id)
        return;
    m_perCard.insert(cardIdentity, *id);
    m_lastCameraID = id;
    save();
}

std::optional<Camera> CameraStore::named(const QString& wanted) const {
    const QString name = wanted.trimmed();
    for (const Camera& camera : m_cameras)
        if (camera.name.compare(name, Qt::CaseInsensitive) == 0)
            return camera;
    for (const Camera& camera : m_cameras)
        if (!camera.code.isEmpty() && camera.code.compare(name, Qt::CaseInsensitive) == 0)
            return camera;
    return std::nullopt;
}

} // namespace stowly
