#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace stowly::test {

// A small file system of its own for one test. When the object goes, every mount under its
// folder or of its loop device comes down and the loop device is detached, whatever the test
// did meanwhile; every command is bounded in time. Each maker returns nothing, with the reason
// in `whyNot`, where this machine cannot provide it, so the test can skip.
class ScratchMount {
public:
    enum class Driver {
        // The kernel's exFAT driver where there is one, else FUSE.
        kernelFirst,
        // mount.exfat-fuse, which refuses both the no-replace rename and hard links.
        fuse,
        // The kernel's driver for what the image holds (ext4).
        kernel,
    };

    // A tmpfs of `bytes` bytes, and at most `inodes` files when given, mounted at mountPoint.
    static std::unique_ptr<ScratchMount> tmpfs(const QString& mountPoint, qint64 bytes,
                                               QString* whyNot, int inodes = 0);
    // An exFAT image of `bytes` bytes in folder, attached to a loop device but not mounted.
    static std::unique_ptr<ScratchMount> exfatImage(const QString& folder, qint64 bytes,
                                                    QString* whyNot, const QString& label = {});
    // An ext4 image of `bytes` bytes in folder, attached to a loop device but not mounted.
    static std::unique_ptr<ScratchMount> ext4Image(const QString& folder, qint64 bytes,
                                                   QString* whyNot);
    // A FAT image of `bytes` bytes in folder, attached to a loop device but not mounted.
    static std::unique_ptr<ScratchMount> fatImage(const QString& folder, qint64 bytes,
                                                  QString* whyNot);
    ~ScratchMount();

    // Mounts the image at `at`, making the folder where needed.
    bool mount(const QString& at, Driver driver, QString* whyNot);
    // Mounts a FAT image at `at`: the kernel's vfat driver where there is one, else fusefat.
    bool mountFat(const QString& at, QString* whyNot);
    // The card pulled out of its reader: the FUSE driver serving the last mount dies, so every
    // call on the mount fails from now on ("Transport endpoint is not connected"), while the
    // mount stays until this object takes it down. False where it is no FUSE mount.
    bool pull(QString* whyNot);
    // The last place this object mounted.
    const QString& path() const { return m_path; }
    const QString& device() const { return m_device; }
    // Mount points under the folder or of the device, the topmost first.
    QStringList mountPoints() const;
    bool isAttached() const;

    static bool kernelHasExFAT();

private:
    explicit ScratchMount(const QString& folder) : m_folder(folder) {}
    // An image made by `maker` (mkfs.NAME) with `arguments`, attached to a loop device.
    static std::unique_ptr<ScratchMount> image(const QString& folder, qint64 bytes,
                                               const QString& maker, const QStringList& arguments,
                                               QString* whyNot);

    QString m_folder;
    QString m_image;
    QString m_device;
    QString m_path;
};

} // namespace stowly::test
