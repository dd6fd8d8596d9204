#pragma once

#include "devices/MountEvents.h"
#include "devices/VolumeFacts.h"

#include <QHash>
#include <QMutex>

namespace stowly::test {

// Volumes the tests mount and unmount by hand; asked from worker threads too.
class FakeVolumes : public VolumeFacts {
public:
    QStringList mountedVolumes() const override {
        QMutexLocker lock(&m_lock);
        return m_order;
    }
    std::optional<VolumeResources> resources(const QString& path) const override {
        QMutexLocker lock(&m_lock);
        return m_volumes.contains(path) ? std::optional(m_volumes.value(path)) : std::nullopt;
    }
    std::optional<QString> fileSystemTypeAt(const QString&) const override { return {}; }

    // A removable, ejectable, external card.
    static VolumeResources card(const QString& path, const QString& name = {},
                                const std::optional<QString>& uuid = {}) {
        return {.path = path,
                .name = name.isEmpty() ? std::nullopt : std::optional(name),
                .uuid = uuid,
                .isRemovable = true,
                .isEjectable = true,
                .isInternal = false,
                .isLocal = true,
                .isRootFileSystem = false};
    }
    void add(const VolumeResources& r) {
        QMutexLocker lock(&m_lock);
        if (!m_order.contains(r.path))
            m_order.append(r.path);
        m_volumes.insert(r.path, r);
    }

    void remove(const QString& path) {
        QMutexLocker lock(&m_lock);
        m_order.removeAll(path);
        m_volumes.remove(path);
    }

private:
    mutable QMutex m_lock;
    QStringList m_order;
    QHash<QString, VolumeResources> m_volumes;
};

struct FakeMountEvents : MountEvents {
    bool start() override { return ++starts > 0; }
    bool isStarted() const override { return starts > 0; }
    void mount(const QString& path) { Q_EMIT volumeMounted(path), Q_EMIT mountsChanged(); }
    void unmount(const QString& path) { Q_EMIT volumeUnmounted(path), Q_EMIT mountsChanged(); }
    int starts = 0;
};

} // namespace stowly::test
