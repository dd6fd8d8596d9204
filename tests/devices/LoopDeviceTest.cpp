// Exercises the whole card road on a real exFAT file system: a file system image attached to a
// loop device and mounted under a removable-media root of the test's own.

#include "Printers.h"

#include "devices/CardFormatter.h"
#include "devices/FormatGuard.h"
#include "devices/ImportPromptPolicy.h"
#include "devices/ProcessRunner.h"
#include "devices/VolumePaths.h"
#include "devices/VolumeTraits.h"
#include "devices/VolumeWatcher.h"
#include "devices/linux/LinuxDiskTool.h"
#include "devices/linux/LinuxMountEvents.h"
#include "devices/linux/LinuxVolumeFacts.h"
#include "devices/linux/MountTable.h"
#include "media/CameraMedia.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace stowly;
using namespace std::chrono_literals;

namespace {

bool kernelHasExFAT() {
    return test::readFile("/proc/filesystems").contains("\texfat\n");
}

// An exFAT image on a loop device. Whatever happens in the test, every mount under its folder
// comes down and the loop device is detached; every command is bounded in time.
class LoopCard {
public:
    LoopCard(const QString& folder, const QString& label) : m_folder(folder) {
        QFile image(m_image = folder + "/card.img");
        const CommandResult made = image.open(QIODevice::WriteOnly) && image.resize(64 << 20)
                                       ? m_run.run("mkfs.exfat", {"-L", label, m_image}, 60s)
                                       : CommandResult::notRun("no image");
        const CommandResult attached =
            made.succeeded() ? m_run.run("losetup", {"--find", "--show", m_image}, 30s) : made;
        m_device = QString::fromUtf8(attached.output).trimmed();
        m_error = attached.failure.value_or(attached.trimmedError());
    }
    ~LoopCard() {
        for (int round = 0; round < 3 && !mountPoints().isEmpty(); ++round)
            for (const QString& point : mountPoints())
                if (!m_run.run("umount", {point}, 20s).succeeded())
                    m_run.run("umount", {"-l", point}, 20s);
        if (isAttached())
            m_run.run("losetup", {"--detach", m_device}, 20s);
    }
    bool mount(const QString& at) {
        QDir().mkpath(at);
        return (kernelHasExFAT() &&
                m_run.run("mount", {"-t", "exfat", m_device, at}, 30s).succeeded()) ||
               m_run.run("mount.exfat-fuse", {m_device, at}, 30s).succeeded();
    }
    // Mount points under the test's folder or of the device, the topmost first.
    QStringList mountPoints() const {
        QStringList points;
        for (const MountEntry& e :
             MountTable::read("/proc/self/mountinfo").value_or(QList<MountEntry>()))
            if (VolumePaths::isOnVolume(e.mountPoint, m_folder) || e.source == m_device)
                points.prepend(e.mountPoint);
        return points;
    }
    bool isAttached() {
        return !m_device.isEmpty() &&
               !m_run.run("losetup", {"--associated", m_image}, 20s).output.trimmed().isEmpty();
    }
    QString device() const { return m_device; }
    QString error() const { return m_device.isEmpty() ? m_error : QString(); }

private:
    ProcessRunner m_run;
    QString m_folder, m_image, m_device, m_error;
};

class LoopDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString why;
        if (!test::canUseLoopDevices(&why))
            GTEST_SKIP() << "Skipped: " << why.toStdString();
        ProcessRunner runner;
        for (const char* tool : {"mkfs.exfat", "losetup", "lsblk", "blkid", "umount", "mount"})
            if (!runner.hasProgram(tool))
                GTEST_SKIP() << "Skipped: " << tool << " is not installed";
        if (!kernelHasExFAT() &&
            (!runner.hasProgram("mount.exfat-fuse") || !QFileInfo::exists("/dev/fuse")))
            GTEST_SKIP() << "Skipped: no exFAT driver in the kernel and no FUSE exFAT here";
        media = dir("media");
        QDir().mkpath(media);
        VolumePaths::setMountRoots({media + '/'});
    }
    void TearDown() override { VolumePaths::setMountRoots(VolumePaths::defaultMountRoots()); }

    test::TempDir dir;
    QString media;
};

} // namespace

TEST_F(LoopDeviceTest, WatchesChecksErasesAndEjectsARealCard) {
    LoopCard loop(dir.path(), "LOOP*CARD");
    ASSERT_TRUE(loop.error().isEmpty()) << loop.error().toStdString();

    LinuxVolumeFacts facts(LinuxPaths{}, std::make_shared<ProcessRunner>());
    LinuxMountEvents events("/proc/self/mountinfo");
    VolumeWatcher watcher(facts, events);
    QList<std::pair<CardVolume, bool>> inserted;
    QList<CardVolume> removed;
    watcher.onCardInserted = [&](const CardVolume& c, bool isNew) { inserted.append({c, isNew}); };
    watcher.onCardRemoved = [&](const CardVolume& c) { removed.append(c); };
    watcher.destinationPathProvider = [&] { return std::optional<QString>(dir("Footage")); };
    watcher.start();
    ASSERT_TRUE(events.isStarted());

    // Mounted after the watcher started: the kernel's signal must bring it in.
    const QString mountPoint = media + "/LOOP*CARD";
    ASSERT_TRUE(loop.mount(mountPoint));
    ASSERT_TRUE(test::spinUntil([&] { return !inserted.isEmpty(); }, 15000))
        << "no mount event for " << mountPoint.toStdString();
    const CardVolume card = inserted.first().first;
    EXPECT_TRUE(inserted.first().second);
    EXPECT_EQ(card.url, mountPoint);
    EXPECT_EQ(card.name, "LOOP*CARD");

    // A loop device is a disk image: listed, but never prompted for.
    QDir().mkpath(mountPoint + "/DCIM/100TEST");
    test::writeFile(mountPoint + "/DCIM/100TEST/IMG_0001.JPG", "not really a photo");
    const VolumeTraits traits = VolumeTraits::read(card.url, facts);
    EXPECT_TRUE(traits.isDiskImage);
    EXPECT_TRUE(traits.isEjectable);
    EXPECT_EQ(ImportPromptPolicy::verdict(traits, card.volumeIdentity(), {}, {},
                                          CameraMedia::looksLikeCameraMedia(card.url)),
              ImportPromptPolicy::Verdict::skipping(ImportPromptPolicy::Reason::diskImage));

    // Mounting is this test's own business: plain commands even where udisks2 runs.
    ProcessRunner runner;
    LinuxPaths plain;
    plain.udisksRuntime = dir("no-udisks");
    CardFormatter formatter(std::make_unique<LinuxDiskTool>(runner, plain));
    const std::optional<DiskFacts> cardFacts = formatter.facts(card.url);
    ASSERT_TRUE(cardFacts);
    ASSERT_TRUE(cardFacts->volumeUUID);
    EXPECT_EQ(card.uuid.value_or(*cardFacts->volumeUUID), *cardFacts->volumeUUID);
    const QString oldUuid = *cardFacts->volumeUUID;
    EXPECT_EQ(cardFacts->devicePath(), loop.device());
    EXPECT_EQ(cardFacts->deviceKind, "loop");
    EXPECT_EQ(cardFacts->filesystemType, "exfat");
    EXPECT_EQ(cardFacts->volumeName, "LOOP*CARD");
    EXPECT_EQ(cardFacts->mountPoint, mountPoint);

    const std::optional<DiskFacts> boot = formatter.facts("/");
    if (!boot)
        GTEST_SKIP() << "Skipped the erase: \"/\" has no block device here, and without the "
                        "startup disk's facts no erase passes its guards";
    EXPECT_NE(FormatGuard::refusal(*boot, "/", boot, std::nullopt, std::nullopt), std::nullopt);
    EXPECT_EQ(FormatGuard::refusal(*cardFacts, card.url, boot, std::nullopt, dir("Footage")),
              std::nullopt);

    int readyChecks = 0;
    const FormatOutcome outcome = formatter.format(card, dir("Footage"), std::nullopt, [&] {
        ++readyChecks;
        return true;
    });
    const QString newMount = media + "/LOOPCARD";
    ASSERT_EQ(outcome, FormatOutcome::formatted("LOOPCARD", newMount));
    EXPECT_EQ(readyChecks, 1);
    EXPECT_EQ(loop.mountPoints(), QStringList({newMount}));
    EXPECT_FALSE(QFileInfo::exists(mountPoint)); // the old, empty mount folder is gone
    EXPECT_FALSE(QFileInfo::exists(newMount + "/DCIM"));
    const std::optional<DiskFacts> erased = formatter.facts(loop.device());
    ASSERT_TRUE(erased);
    EXPECT_EQ(erased->volumeName, "LOOPCARD");
    EXPECT_EQ(erased->filesystemType, "exfat");
    EXPECT_NE(erased->volumeUUID, oldUuid);

    // The watcher follows the card from its old place to the new one.
    ASSERT_TRUE(test::spinUntil(
        [&] { return watcher.cards().size() == 1 && watcher.cards()[0].url == newMount; }, 15000));
    EXPECT_EQ(removed.size(), 1);
    const CardVolume renamed = watcher.cards()[0];
    EXPECT_EQ(renamed.name, "LOOPCARD");

    EXPECT_EQ(formatter.tool().eject(renamed.url), std::nullopt);
    EXPECT_TRUE(loop.mountPoints().isEmpty());
    EXPECT_FALSE(loop.isAttached()); // a disk image is detached on eject
    EXPECT_TRUE(test::spinUntil([&] { return watcher.cards().isEmpty(); }, 15000));
}
