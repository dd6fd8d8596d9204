// Exercises the whole card road on a real exFAT file system: a file system image attached to a
// loop device and mounted under a removable-media root of the test's own.

#include "Printers.h"

#include "app/prompts/ImportPromptPolicy.h"
#include "devices/CardFormatter.h"
#include "devices/ProcessRunner.h"
#include "devices/VolumePaths.h"
#include "devices/VolumeTraits.h"
#include "devices/VolumeWatcher.h"
#include "devices/linux/LinuxDiskTool.h"
#include "devices/linux/LinuxMountEvents.h"
#include "devices/linux/LinuxVolumeFacts.h"
#include "devices/linux/UdevDaemon.h"
#include "media/CameraMedia.h"
#include "support/PrivateUdisks.h"
#include "support/ScratchMount.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace stowly;

namespace {

// Run twice: alone, and with a udisksd watching the same devices (holding them open now and then,
// as on every desktop).
class LoopDeviceTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        QString why;
        if (!test::canUseLoopDevices(&why))
            GTEST_SKIP() << "Skipped: " << why.toStdString();
        ProcessRunner runner;
        for (const char* tool : {"mkfs.exfat", "losetup", "lsblk", "blkid", "umount", "mount"})
            if (!runner.hasProgram(tool))
                GTEST_SKIP() << "Skipped: " << tool << " is not installed";
        if (!test::ScratchMount::kernelHasExFAT() &&
            (!runner.hasProgram("mount.exfat-fuse") || !QFileInfo::exists("/dev/fuse")))
            GTEST_SKIP() << "Skipped: no exFAT driver in the kernel and no FUSE exFAT here";
        if (GetParam() && !(udisks = test::PrivateUdisks::start(&why)))
            GTEST_SKIP() << "Skipped: " << why.toStdString();
        media = dir("media");
        QDir().mkpath(media);
        VolumePaths::setMountRoots({media + '/'});
    }
    void TearDown() override { VolumePaths::setMountRoots(VolumePaths::defaultMountRoots()); }

    test::TempDir dir;
    QString media;
    std::unique_ptr<test::PrivateUdisks> udisks;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(WithAndWithoutUdisks, LoopDeviceTest, ::testing::Bool());

TEST_P(LoopDeviceTest, WatchesChecksErasesAndEjectsARealCard) {
    QString why;
    const auto loop = test::ScratchMount::exfatImage(dir.path(), 64 << 20, &why, "LOOP*CARD");
    ASSERT_TRUE(loop) << why.toStdString();

    LinuxVolumeFacts facts(LinuxPaths{}, std::make_shared<ProcessRunner>());
    LinuxMountEvents events("/proc/self/mountinfo");
    VolumeWatcher watcher(facts, events);
    QList<std::pair<CardVolume, bool>> inserted;
    QList<CardVolume> removed;
    QObject::connect(&watcher, &VolumeWatcher::cardInserted, [&](const CardVolume& c, bool isNew) {
        inserted.append({c, isNew});
    });
    QObject::connect(&watcher, &VolumeWatcher::cardRemoved,
                     [&](const CardVolume& c) { removed.append(c); });
    watcher.destinationPathProvider = [&] { return std::optional<QString>(dir("Footage")); };
    watcher.start();
    ASSERT_TRUE(events.isStarted());

    // Mounted after the watcher started: the kernel's signal must bring it in.
    const QString mountPoint = media + "/LOOP*CARD";
    ASSERT_TRUE(loop->mount(mountPoint, test::ScratchMount::Driver::kernelFirst, &why))
        << why.toStdString();
    ASSERT_TRUE(test::spinUntil([&] { return !inserted.isEmpty(); }, 15000))
        << "no mount event for " << mountPoint.toStdString();
    const CardVolume card = inserted.first().first;
    EXPECT_TRUE(inserted.first().second);
    EXPECT_EQ(card.name, "LOOP*CARD");

    // A loop device is a disk image: listed, but never prompted for.
    QDir().mkpath(mountPoint + "/DCIM/100TEST");
    test::writeFile(mountPoint + "/DCIM/100TEST/IMG_0001.JPG", "not really a photo");
    const VolumeTraits traits = VolumeTraits::read(card.url, facts);
    EXPECT_EQ(ImportPromptPolicy::verdict(traits, card.volumeIdentity(), {}, {},
                                          CameraMedia::looksLikeCameraMedia(card.url)),
              ImportPromptPolicy::Verdict::skipping(ImportPromptPolicy::Reason::diskImage));

    // Mounting is this test's own business: plain commands even where udisks2 runs.
    ProcessRunner runner;
    CardFormatter formatter(std::make_unique<LinuxDiskTool>(runner));
    const std::optional<DiskFacts> cardFacts = formatter.facts(card.url);
    ASSERT_TRUE(cardFacts && cardFacts->volumeUUID);
    EXPECT_EQ(card.uuid.value_or(*cardFacts->volumeUUID), *cardFacts->volumeUUID);
    EXPECT_EQ(cardFacts->devicePath(), loop->device());
    if (!formatter.facts("/"))
        GTEST_SKIP() << "Skipped the erase: \"/\" has no block device here, and without the "
                        "startup disk's facts no erase passes its guards";

    // The label's "*" cannot stay; the card comes back under the new name.
    const FormatOutcome outcome =
        formatter.format(card, dir("Footage"), std::nullopt, [] { return true; });
    const QString newMount = media + "/LOOPCARD";
    ASSERT_EQ(outcome, FormatOutcome::formatted("LOOPCARD", newMount));
    EXPECT_EQ(loop->mountPoints(), QStringList({newMount}));
    EXPECT_FALSE(QFileInfo::exists(mountPoint)); // the old, empty mount folder is gone
    EXPECT_FALSE(QFileInfo::exists(newMount + "/DCIM"));
    const std::optional<DiskFacts> erased = formatter.facts(loop->device());
    ASSERT_TRUE(erased);
    EXPECT_EQ(erased->volumeName, "LOOPCARD");
    EXPECT_NE(erased->volumeUUID, cardFacts->volumeUUID);

    // The watcher follows the card from its old place to the new one.
    ASSERT_TRUE(test::spinUntil(
        [&] { return watcher.cards().size() == 1 && watcher.cards()[0].url == newMount; }, 15000));
    EXPECT_EQ(removed.size(), 1);
    EXPECT_EQ(watcher.cards()[0].name, "LOOPCARD");

    EXPECT_EQ(formatter.tool().eject(newMount), std::nullopt);
    EXPECT_TRUE(loop->mountPoints().isEmpty());
    EXPECT_FALSE(loop->isAttached()); // a disk image is detached on eject
    EXPECT_TRUE(test::spinUntil([&] { return watcher.cards().isEmpty(); }, 15000));
}

// udev ran while another card was in this reader and stopped, leaving its database behind: lsblk
// still names the device after that card. The erase must name the card as the user saw it.
TEST(StaleUdevDatabaseTest, AnEraseNamesTheCardAsTheUserSawIt) {
    QString why;
    if (!test::canUseLoopDevices(&why))
        GTEST_SKIP() << "Skipped: " << why.toStdString();
    if (udevDaemon::isRunning(LinuxPaths{}))
        GTEST_SKIP() << "Skipped: udev runs here and keeps its database current";
    const QString database = "/run/udev/data";
    if (!QFileInfo(database).isDir() || !QFileInfo(database).isWritable())
        GTEST_SKIP() << "Skipped: udev's database folder " << database.toStdString()
                     << " is missing or not writable";
    test::TempDir dir;
    const QString media = dir("media");
    VolumePaths::setMountRoots({media + '/'});
    const auto roots =
        qScopeGuard([] { VolumePaths::setMountRoots(VolumePaths::defaultMountRoots()); });
    const auto loop = test::ScratchMount::exfatImage(dir.path(), 32 << 20, &why, "A7SIII");
    ASSERT_TRUE(loop) << why.toStdString();

    struct stat node;
    ASSERT_EQ(::stat(QFile::encodeName(loop->device()).constData(), &node), 0);
    const QString entry =
        QString("%1/b%2:%3").arg(database).arg(major(node.st_rdev)).arg(minor(node.st_rdev));
    const bool hadEntry = QFile::exists(entry);
    const QByteArray before = hadEntry ? test::readFile(entry) : QByteArray();
    const auto restore = qScopeGuard([&] {
        if (hadEntry)
            test::writeFile(entry, before);
        else
            QFile::remove(entry);
    });
    test::writeFile(entry, "E:ID_FS_TYPE=vfat\nE:ID_FS_VERSION=FAT32\nE:ID_FS_LABEL=NAMES8\n"
                           "E:ID_FS_LABEL_ENC=NAMES8\nE:ID_FS_UUID=1111-2222\n"
                           "E:ID_FS_UUID_ENC=1111-2222\n");
    ProcessRunner runner;
    ASSERT_EQ(runner.run("lsblk", {"-no", "LABEL", loop->device()}).output.trimmed(), "NAMES8")
        << "lsblk does not read the database left behind";

    const QString mountPoint = media + "/A7SIII";
    ASSERT_TRUE(loop->mount(mountPoint, test::ScratchMount::Driver::kernelFirst, &why))
        << why.toStdString();
    const std::optional<VolumeResources> seen =
        LinuxVolumeFacts(LinuxPaths{}, std::make_shared<ProcessRunner>()).resources(mountPoint);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "A7SIII");
    const CardVolume card{mountPoint, seen->name.value_or(QString()), seen->uuid};
    CardFormatter formatter(std::make_unique<LinuxDiskTool>(runner));
    if (!formatter.facts("/"))
        GTEST_SKIP() << "Skipped the erase: \"/\" has no block device here";
    EXPECT_EQ(formatter.facts(mountPoint)->volumeName, "A7SIII");

    EXPECT_EQ(formatter.format(card, dir("Footage"), std::nullopt, [] { return true; }),
              FormatOutcome::formatted("A7SIII", mountPoint));
    EXPECT_EQ(
        runner.run("blkid", {"-p", "-o", "value", "-s", "LABEL", loop->device()}).output.trimmed(),
        "A7SIII");
}
