#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace stowly {

// Mount and unmount notifications of the platform, delivered on the thread that owns the
// object (the main thread).
class MountEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Begins watching; a second call does nothing. False when the platform cannot be watched.
    virtual bool start() = 0;
    virtual bool isStarted() const = 0;

    // The platform's own source.
    static std::unique_ptr<MountEvents> platform(QObject* parent = nullptr);

Q_SIGNALS:
    // A visible volume appeared at path.
    void volumeMounted(const QString& path);
    // The volume at path went away.
    void volumeUnmounted(const QString& path);
    // Anything in the mount table changed (any volume, visible or not). Stores that only need
    // to re-check which folders are reachable listen to this one.
    void mountsChanged();
    // A card's file system that nothing has mounted appeared (or was there at the start);
    // device is its node ("/dev/sdb1"), name its label or else the node's name. Only sources
    // that see unmounted devices report these.
    void cardFileSystemAppeared(const QString& device, const QString& name);
    // That file system went away. A source may also report it once the file system is
    // mounted.
    void cardFileSystemGone(const QString& device);
};

} // namespace stowly
