#include "support/ScratchMount.h"

#include "devices/ProcessRunner.h"
#include "devices/VolumePaths.h"
#include "devices/linux/MountTable.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace stowly::test {
namespace {

// Why a command failed, in its own words where it gave any.
QString failureOf(const CommandResult& result) {
    return result.failure.value_or(result.trimmedError());
}

} // namespace

bool ScratchMount::kernelHasExFAT() {
    return readFile("/proc/filesystems").contains("\texfat\n");
}

std::unique_ptr<ScratchMount> ScratchMount::tmpfs(const QString& mountPoint, qint64 bytes,
                                                  QString* whyNot, int inodes) {
    if (::geteuid() != 0) {
        *whyNot = "needs root to mount a tmpfs";
        return nullptr;
    }
    QDir().mkpath(mountPoint);
    QString options = QString("size=%1").arg(bytes);
    if (inodes > 0)
        options += QString(",nr_inodes=%1").arg(inodes);
    const CommandResult mounted =
        ProcessRunner().run("mount", {"-t", "tmpfs", "-o", options, "tmpfs", mountPoint}, 30s);
    if (!mounted.succeeded()) {
        *whyNot = "cannot mount a tmpfs: " + failureOf(mounted);
        return nullptr;
    }
    std::unique_ptr<ScratchMount> scratch(new ScratchMount(mountPoint));
    scratch->m_path = mountPoint;
    return scratch;
}

std::unique_ptr<ScratchMount> ScratchMount::exfatImage(const QString& folder, qint64 bytes,
                                                       QString* whyNot, const QString& label) {
    const QStringList labelled = label.isEmpty() ? QStringList() : QStringList({"-L", label});
    return image(folder, bytes, "mkfs.exfat", labelled, whyNot);
}

std::unique_ptr<ScratchMount> ScratchMount::ext4Image(const QString& folder, qint64 bytes,
                                                      QString* whyNot) {
    return image(folder, bytes, "mkfs.ext4", {"-q", "-F"}, whyNot);
}

std::unique_ptr<ScratchMount> ScratchMount::fatImage(const QString& folder, qint64 bytes,
                                                     QString* whyNot) {
    return image(folder, bytes, "mkfs.vfat", {}, whyNot);
}

std::unique_ptr<ScratchMount> ScratchMount::image(const QString& folder, qint64 bytes,
                                                  const QString& maker,
                                                  const QStringList& arguments, QString* whyNot) {
    if (!canUseLoopDevices(whyNot))
        return nullptr;
    ProcessRunner run;
    for (const QString& tool :
         {maker, QStringLiteral("losetup"), QStringLiteral("mount"), QStringLiteral("umount")}) {
        if (!run.hasProgram(tool)) {
            *whyNot = QString("%1 is not installed").arg(tool);
            return nullptr;
        }
    }
    std::unique_ptr<ScratchMount> scratch(new ScratchMount(folder));
    scratch->m_image = folder + "/" + maker.section('.', 1) + ".img";
    QFile image(scratch->m_image);
    if (!image.open(QIODevice::WriteOnly) || !image.resize(bytes)) {
        *whyNot = "cannot make the image file";
        return nullptr;
    }
    image.close();
    const CommandResult made = run.run(maker, arguments + QStringList(scratch->m_image), 60s);
    if (!made.succeeded()) {
        *whyNot = maker + " failed: " + failureOf(made);
        return nullptr;
    }
    const CommandResult attached = run.run("losetup", {"--find", "--show", scratch->m_image}, 30s);
    if (!attached.succeeded()) {
        *whyNot = "cannot attach a loop device: " + failureOf(attached);
        return nullptr;
    }
    scratch->m_device = QString::fromUtf8(attached.output).trimmed();
    return scratch;
}

bool ScratchMount::mount(const QString& at, Driver driver, QString* whyNot) {
    QDir().mkpath(at);
    ProcessRunner run;
    if (driver == Driver::kernel) {
        const CommandResult mounted = run.run("mount", {m_device, at}, 30s);
        if (!mounted.succeeded())
            *whyNot = "cannot mount the image: " + failureOf(mounted);
        else
            m_path = at;
        return mounted.succeeded();
    }
    CommandResult mounted = CommandResult::notRun("no exFAT driver in the kernel");
    if (driver == Driver::kernelFirst && kernelHasExFAT())
        mounted = run.run("mount", {"-t", "exfat", m_device, at}, 30s);
    if (!mounted.succeeded()) {
        if (!run.hasProgram("mount.exfat-fuse") || ::access("/dev/fuse", R_OK | W_OK) != 0)
            mounted = CommandResult::notRun("no FUSE exFAT (mount.exfat-fuse, /dev/fuse) here");
        else
            mounted = run.run("mount.exfat-fuse", {m_device, at}, 30s);
    }
    if (!mounted.succeeded()) {
        *whyNot = "cannot mount the image: " + failureOf(mounted);
        return false;
    }
    m_path = at;
    return true;
}

bool ScratchMount::mountFat(const QString& at, QString* whyNot) {
    QDir().mkpath(at);
    ProcessRunner run;
    CommandResult mounted = CommandResult::notRun("no FAT driver");
    if (readFile("/proc/filesystems").contains("\tvfat\n"))
        mounted = run.run("mount", {"-t", "vfat", m_device, at}, 30s);
    else if (!run.hasProgram("fusefat") || ::access("/dev/fuse", R_OK | W_OK) != 0)
        mounted = CommandResult::notRun("no vfat in the kernel and no fusefat with /dev/fuse");
    else
        mounted = run.run("fusefat", {"-o", "rw+", m_device, at}, 30s);
    if (!mounted.succeeded()) {
        *whyNot = "cannot mount the FAT image: " + failureOf(mounted);
        return false;
    }
    m_path = at;
    return true;
}

bool ScratchMount::pull(QString* whyNot) {
    // The driver is the process started with the loop device and the mount point, which no
    // other test shares.
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        const QList<QByteArray> arguments = readFile("/proc/" + pid + "/cmdline").split('\0');
        if (arguments.size() < 3 || !arguments[0].endsWith("mount.exfat-fuse") ||
            !arguments.contains(QFile::encodeName(m_device)) ||
            !arguments.contains(QFile::encodeName(m_path)))
            continue;
        // Its end is awaited: the connection drops when its last descriptor closes.
        const int driver = int(::syscall(SYS_pidfd_open, pid.toInt(), 0));
        pollfd ended{driver, POLLIN, 0};
        const bool stopped =
            driver >= 0 && ::kill(pid.toInt(), SIGKILL) == 0 && ::poll(&ended, 1, 20000) == 1;
        if (driver >= 0)
            ::close(driver);
        // The driver's other threads may still hold the device for a moment after its end.
        const auto cut = [&] {
            struct stat info;
            return ::stat(QFile::encodeName(m_path).constData(), &info) != 0 && errno == ENOTCONN;
        };
        if (stopped && spinUntil(cut, 5000))
            return true;
        *whyNot = "stopping the FUSE driver " + pid + " did not cut the mount off";
        return false;
    }
    *whyNot = "no FUSE driver serves " + m_path;
    return false;
}

QStringList ScratchMount::mountPoints() const {
    QStringList points;
    for (const MountEntry& e :
         MountTable::read("/proc/self/mountinfo").value_or(QList<MountEntry>()))
        if (VolumePaths::isOnVolume(e.mountPoint, m_folder) ||
            (!m_device.isEmpty() && e.source == m_device))
            points.prepend(e.mountPoint);
    return points;
}

bool ScratchMount::isAttached() const {
    return !m_device.isEmpty() && !ProcessRunner()
                                       .run("losetup", {"--associated", m_image}, 20s)
                                       .output.trimmed()
                                       .isEmpty();
}

ScratchMount::~ScratchMount() {
    ProcessRunner run;
    for (int round = 0; round < 3 && !mountPoints().isEmpty(); ++round)
        for (const QString& point : mountPoints())
            if (!run.run("umount", {point}, 20s).succeeded())
                run.run("umount", {"-l", point}, 20s);
    if (isAttached())
        run.run("losetup", {"--detach", m_device}, 20s);
}

} // namespace stowly::test
