// Exercises the whole card road on a real exFAT file system: a file system image attached to a
// loop device and mounted under a removable-media root of the test's own.

#include "Printers.h"

#include "app/ImportPromptPolicy.h"
#include "devices/CardFormatter.h"
#include "devices/ProcessRunner.h"
#include "devices/VolumePaths.h"
#include "devices/VolumeTraits.h"
#include "devices/VolumeWatcher.h"
#include "devices/linux/LinuxDiskTool.h"
#include "devices/linux/LinuxMountEvents.h"
#include "devices/linux/LinuxVolumeFacts.h"
#include "media/CameraMedia.h"
#include "support/PrivateUdisks.h"
#include "support/ScratchMount.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

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
