#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace stowly::test {

// A small file system of its own, mounted for one test and unmounted (with its loop device
// detached) when the object goes. Each maker returns nothing, with the reason in `whyNot`,
// where this machine cannot provide it, so the test can skip.
class ScratchMount {
public:
    // A tmpfs of `bytes` bytes, and at most `inodes` files when given.
    static std::unique_ptr<ScratchMount> tmpfs(const QString& mountPoint, qint64 bytes,
                                               QString* whyNot, int inodes = 0);
    // An exFAT image on a loop device, mounted through FUSE (mount.exfat-fuse).
    static std::unique_ptr<ScratchMount>
    exfatFuse(const QString& imageFolder, const QString& mountPoint, qint64 bytes, QString* whyNot);
    ~ScratchMount();

    const QString& path() const { return m_path; }

private:
    ScratchMount() = default;

    QString m_path;
    QString m_loopDevice;
};

// Runs a program; returns its exit code (-1 when it could not start) and its output.
int runProgram(const QString& program, const QStringList& arguments, QString* output = nullptr);

} // namespace stowly::test
