#include "ScratchMount.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

namespace stowly::test {

int runProgram(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(60000))
        return -1;
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

std::unique_ptr<ScratchMount> ScratchMount::tmpfs(const QString& mountPoint, qint64 bytes,
                                                  QString* whyNot, int inodes) {
    if (::geteuid() != 0) {
        *whyNot = QStringLiteral("needs root to mount a tmpfs");
        return nullptr;
    }
    QDir().mkpath(mountPoint);
    QString options = QStringLiteral("size=%1").arg(bytes);
    if (inodes > 0)
        options += QStringLiteral(",nr_inodes=%1").arg(inodes);
    QString output;
    if (runProgram(QStringLiteral("mount"),
                   {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), options,
                    QStringLiteral("tmpfs"), mountPoint},
                   &output) != 0) {
        *whyNot = QStringLiteral("cannot mount a tmpfs: ") + output.trimmed();
        return nullptr;
    }
    std::unique_ptr<ScratchMount> mount(new ScratchMount);
    mount->m_path = mountPoint;
    return mount;
}

std::unique_ptr<ScratchMount> ScratchMount::exfatFuse(const QString& imageFolder,
                                                      const QString& mountPoint, qint64 bytes,
                                                      QString* whyNot) {
    if (!canUseLoopDevices(whyNot))
        return nullptr;
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        *whyNot = QStringLiteral("no /dev/fuse on this machine");
        return nullptr;
    }
    const QStringList places = {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                                QStringLiteral("/usr/bin"), QStringLiteral("/bin")};
    for (const char* tool : {"mkfs.exfat", "mount.exfat-fuse", "losetup"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool), places).isEmpty()) {
            *whyNot = QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool));
            return nullptr;
        }
    }
    const QString image = imageFolder + QStringLiteral("/exfat.img");
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(bytes)) {
        *whyNot = QStringLiteral("cannot make the image file");
        return nullptr;
    }
    file.close();
    QString output;
    if (runProgram(QStringLiteral("mkfs.exfat"), {image}, &output) != 0) {
        *whyNot = QStringLiteral("mkfs.exfat failed: ") + output.trimmed();
        return nullptr;
    }
    QString device;
    if (runProgram(QStringLiteral("losetup"),
                   {QStringLiteral("-f"), QStringLiteral("--show"), image}, &device) != 0) {
        *whyNot = QStringLiteral("cannot attach a loop device: ") + device.trimmed();
        return nullptr;
    }
    std::unique_ptr<ScratchMount> mount(new ScratchMount);
    mount->m_loopDevice = device.trimmed();
    QDir().mkpath(mountPoint);
    if (runProgram(QStringLiteral("mount.exfat-fuse"), {mount->m_loopDevice, mountPoint},
                   &output) != 0) {
        *whyNot = QStringLiteral("mount.exfat-fuse failed: ") + output.trimmed();
        return nullptr;
    }
    mount->m_path = mountPoint;
    return mount;
}

ScratchMount::~ScratchMount() {
    if (!m_path.isEmpty())
        runProgram(QStringLiteral("umount"), {m_path});
    if (!m_loopDevice.isEmpty())
        runProgram(QStringLiteral("losetup"), {QStringLiteral("-d"), m_loopDevice});
}

} // namespace stowly::test
