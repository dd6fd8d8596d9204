#pragma once

#include "app/stores/Camera.h"
#include "app/stores/StoreFile.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>

#include <optional>

namespace stowly {

// The user's cameras, the camera used last and the camera used with each card, kept in
// "cameras.json". Every edit saves at once. Main thread only.
class CameraStore : public QObject {
    Q_OBJECT
public:
    // Without a file location everything stays in memory.
    explicit CameraStore(std::optional<QString> filePath, QList<Camera> cameras = {},
                         QObject* parent = nullptr);
    static QString defaultFileURL();

    const QList<Camera>& cameras() const { return m_cameras; }
    const std::optional<QUuid>& lastCameraID() const { return m_lastCameraID; }
    // Card identity (volume UUID, else name) to the camera used with it.
    const QMap<QString, QUuid>& perCard() const { return m_perCard; }
    const std::optional<QString>& lastError() const { return m_file.lastError(); }
    const std::optional<QString>& filePath() const { return m_file.path(); }

    std::optional<Camera> camera(const std::optional<QUuid>& id) const;
    // A camera by name, else by code, ignoring case and surrounding spaces.
    std::optional<Camera> named(const QString& name) const;

    // The name gets " 2", " 3"… while another camera has it (in any case).
    Camera add(const QString& name, const QString& code);
    void rename(const QUuid& id, const QString& name);
    void setCode(const QUuid& id, const QString& code);
    // Also forgets the cards recorded with them and, when among them, the last camera.
    void remove(const QSet<QUuid>& ids);
    void move(const QList<int>& fromOffsets, int toOffset);

    // The camera recorded for the card, else the last camera, when it still exists.
    std::optional<Camera> suggestedCamera(const QString& cardIdentity) const;
    // Records the camera used with a card; it also becomes the last camera.
    void remember(const std::optional<QUuid>& id, const QString& cardIdentity);

Q_SIGNALS:
    void changed();

private:
    void load();
    void save();
    int indexOf(const QUuid& id) const;

    QList<Camera> m_cameras;
    std::optional<QUuid> m_lastCameraID;
    QMap<QString, QUuid> m_perCard;
    StoreFile m_file;
};

} // namespace stowly
