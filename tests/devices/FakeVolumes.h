#pragma once

#include "devices/MountEvents.h"
#include "devices/VolumeFacts.h"

#include <QHash>
#include <QMutex>

namespace stowly::test {

// Volumes the tests mount and unmount by hand.
class FakeVolumes : public VolumeFacts {
public:
    QStringList mountedVolumes() const override {
        QMutexLocker lock(&m_lock);
        return m_order;
    }
    std::optional<VolumeResources> resources(const QString& path) const override {
        QMutexLocker lock(&m_lock);
        const auto it = m_volumes.constFind(path);
        return it == m_volumes.cend() ? std::nullopt : std::optional<VolumeResources>(*it);
    }
    std::optional<QString> fileSystemTypeAt(const QString&) const override { return {}; }

    // A removable, ejectable card with the given name and UUID.
    static VolumeResources card(const QString& path, const QString& name = {},
                                const std::optional<QString>& uuid = {}) {
        VolumeResources r;
        r.path = path;
        if (!name.isEmpty())
            r.name = name;
        r.uuid = uuid;
        r.isRemovable = true;
        r.isEjectable = true;
        r.isInternal = false;
        r.isLocal = true;
        r.isRootFileSystem = false;
        return r;
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

class FakeMountEvents : public MountEvents {
public:
    bool start() override {
        ++starts;
        return true;
    }
    bool isStarted() const override { return starts > 0; }
    int starts = 0;

    void mount(const QString& path) { Q_EMIT volumeMounted(path), Q_EMIT mountsChanged(); }
    void unmount(const QString& path) { Q_EMIT volumeUnmounted(path), Q_EMIT mountsChanged(); }
};

} // namespace stowly::test
