// The card's last steps through a real udisks2 on a private system bus: listing a card nothing
// has mounted, mounting it, erasing it with the guards, mounting it again and ejecting it, as
// root and as an ordinary user, with a polkit that says yes or no.

#include "Printers.h"

#include "devices/CardFileSystem.h"
#include "devices/CardFormatter.h"
#include "devices/FormatGuard.h"
#include "devices/ProcessRunner.h"
#include "devices/VolumePaths.h"
#include "devices/linux/LinuxDiskTool.h"
#include "devices/linux/UdisksClient.h"
#include "support/PrivateUdisks.h"
#include "support/ScratchMount.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace stowly;
using namespace std::chrono_literals;

namespace {

const char* userSide = "STOWLY_UDISKS_USER_SIDE";

QString needsMissingTool() {
    ProcessRunner runner;
    for (const char* tool : {"mkfs.exfat", "losetup", "lsblk", "blkid", "udisksctl", "setpriv"})
        if (!runner.hasProgram(tool))
            return QString(tool) + " is not installed";
    if (!test::ScratchMount::kernelHasExFAT() &&
        (!runner.hasProgram("mount.exfat-fuse") || !QFileInfo::exists("/dev/fuse")))
        return "no exFAT driver in the kernel and no FUSE exFAT here";
    return {};
}

class UdisksCardTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString why;
        if (!test::canUseLoopDevices(&why))
            GTEST_SKIP() << "Skipped: " << why.toStdString();
        if (const QString missing = needsMissingTool(); !missing.isEmpty())
            GTEST_SKIP() << "Skipped: " << missing.toStdString();
        udisks = test::PrivateUdisks::start(&why);
        if (!udisks)
            GTEST_SKIP() << "Skipped: " << why.toStdString();
        ASSERT_TRUE(udisks->allowAll());
        // Everyone may reach the images and the mount folder: one test runs as "nobody".
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
        media = dir("media");
        QDir().mkpath(media);
        VolumePaths::setMountRoots({media + '/', "/media/"});
        paths.mediaRoot = media;
    }
    void TearDown() override { VolumePaths::setMountRoots(VolumePaths::defaultMountRoots()); }

    std::unique_ptr<LinuxDiskTool> tool() {
        return std::make_unique<LinuxDiskTool>(
            runner, paths, std::make_shared<UdisksClient>(udisks->connection(), false));
    }
    std::unique_ptr<test::ScratchMount> card(const QString& label) {
        QString why;
        auto loop = test::ScratchMount::exfatImage(dir.path(), 32 << 20, &why, label);
        EXPECT_TRUE(loop) << why.toStdString();
        if (loop) {
            EXPECT_TRUE(udisks->waitForBlock(loop->device(), 15000))
                << udisks->daemonOutput().toStdString();
        }
        return loop;
    }
    QString label(const QString& device) const {
        return udisks->block(device).value("IdLabel").toString();
    }

    test::TempDir dir;
    QString media;
    std::unique_ptr<test::PrivateUdisks> udisks;
    ProcessRunner runner;
    LinuxPaths paths;
};

} // namespace

TEST_F(UdisksCardTest, MountsErasesAndEjectsACardThroughUdisks) {
    const auto loop = card("UD*CARD");
    ASSERT_TRUE(loop);
    const auto disks = tool();
    EXPECT_EQ(disks->backendName(), "udisks2");
    const DiskTool::UnmountedCard listed{loop->device(), "UD*CARD", "exfat", 32 << 20};
    EXPECT_TRUE(disks->unmountedCards().contains(listed));

    // udisks2 mounts it where the kernel has exFAT; elsewhere root mounts it through FUSE.
    const DiskTool::Mounted mounted = disks->mount(loop->device(), "UD*CARD");
    ASSERT_TRUE(mounted.mountPoint) << mounted.failure.toStdString();
    EXPECT_EQ(loop->mountPoints(), QStringList({*mounted.mountPoint}));
    EXPECT_FALSE(disks->unmountedCards().contains(listed));
    EXPECT_EQ(disks->mount(loop->device(), "UD*CARD").mountPoint, mounted.mountPoint);

    CardFormatter formatter(tool());
    if (!formatter.facts("/"))
        GTEST_SKIP() << "Skipped the erase: \"/\" has no block device here";
    const QString oldUUID = udisks->block(loop->device()).value("IdUUID").toString();
    const FormatOutcome outcome =
        formatter.format({*mounted.mountPoint, "UD*CARD", oldUUID}, dir("Footage"), std::nullopt,
                         [] { return true; });
    ASSERT_TRUE(outcome.isFormatted()) << outcome.description().toStdString();
    EXPECT_EQ(outcome.text, "UDCARD");
    ASSERT_TRUE(outcome.mountPoint);
    EXPECT_EQ(loop->mountPoints(), QStringList({*outcome.mountPoint}));
    EXPECT_TRUE(test::spinUntil([&] { return label(loop->device()) == "UDCARD"; }));
    EXPECT_NE(udisks->block(loop->device()).value("IdUUID").toString(), oldUUID);

    EXPECT_EQ(formatter.tool().eject(*outcome.mountPoint), std::nullopt);
    EXPECT_TRUE(loop->mountPoints().isEmpty());
    EXPECT_FALSE(loop->isAttached()); // the loop device was deleted through udisks2
}

TEST_F(UdisksCardTest, RefusedAuthorizationLeavesTheCardAsItWas) {
    const auto loop = card("KEEP");
    ASSERT_TRUE(loop);
    QString why;
    ASSERT_TRUE(loop->mount(media + "/KEEP", test::ScratchMount::Driver::kernelFirst, &why))
        << why.toStdString();
    CardFormatter formatter(tool());
    if (!formatter.facts("/"))
        GTEST_SKIP() << "Skipped: \"/\" has no block device here";

    ASSERT_TRUE(udisks->allowNone());
    EXPECT_EQ(formatter.format({media + "/KEEP", "KEEP", std::nullopt}, std::nullopt, std::nullopt,
                               [] { return true; }),
              FormatOutcome::refused("Stowly wasn’t allowed to erase “KEEP”."));
    EXPECT_EQ(loop->mountPoints(), QStringList({media + "/KEEP"}));
    EXPECT_EQ(label(loop->device()), "KEEP");
}

TEST_F(UdisksCardTest, AnOrdinaryUserErasesThroughUdisksAndIsRefusedTheSystemsDevice) {
    // Root's disk image, mounted by root: to udisks2 a system device.
    const auto system = card("SYSTEM");
    ASSERT_TRUE(system);
    QString why;
    ASSERT_TRUE(system->mount(media + "/SYSTEM", test::ScratchMount::Driver::kernelFirst, &why))
        << why.toStdString();
    if (!CardFormatter(tool()).facts("/"))
        GTEST_SKIP() << "Skipped: \"/\" has no block device here";

    // The user's own image, which the user attaches through udisks2 as a desktop does.
    const QString image = dir("user.img");
    ASSERT_TRUE(runner.run("truncate", {"-s", "32M", image}).succeeded());
    ASSERT_TRUE(runner.run("mkfs.exfat", {"-L", "USER", image}).succeeded());
    QFile::setPermissions(image, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                     QFile::WriteOther);
    // The test program runs again as "nobody", from a copy everyone may run.
    const QString program = dir("tests");
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), program));

    QProcess child;
    QProcessEnvironment environment = udisks->environment();
    environment.insert(userSide, "1");
    environment.insert("STOWLY_TEST_IMAGE", image);
    environment.insert("STOWLY_TEST_SYSTEM_CARD", media + "/SYSTEM");
    environment.insert("STOWLY_TEST_MEDIA", media);
    environment.insert("HOME", dir.path());
    environment.remove("XDG_RUNTIME_DIR");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", program,
                            "--gtest_filter=UdisksUserSide.*"});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString output = QString::fromUtf8(child.readAll());
    QProcess::execute("sh",
                      {"-c", "losetup -j '" + image + "' -O NAME -n | xargs -r -n1 losetup -d"});
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[       OK ] UdisksUserSide.")) << output.toStdString();

    // The erase reached the image although the user could not open the device.
    const CommandResult probed = runner.run("blkid", {"-p", "-o", "value", "-s", "LABEL", image});
    EXPECT_EQ(QString::fromUtf8(probed.output).trimmed(), "USERCARD");
}

// The ordinary user's side of the test above; it runs only inside it.
TEST(UdisksUserSide, ErasesItsOwnCardAndNotTheSystems) {
    if (qEnvironmentVariableIsEmpty(userSide))
        GTEST_SKIP() << "Runs as an ordinary user inside UdisksCardTest";
    ASSERT_NE(::geteuid(), 0u);
    const QString media = qEnvironmentVariable("STOWLY_TEST_MEDIA");
    VolumePaths::setMountRoots({media + '/', "/media/"});

    QProcess setup;
    setup.start("udisksctl", {"loop-setup", "-f", qEnvironmentVariable("STOWLY_TEST_IMAGE"),
                              "--no-user-interaction"});
    ASSERT_TRUE(setup.waitForFinished(30000));
    const QString said = QString::fromUtf8(setup.readAll() + setup.readAllStandardError());
    const QRegularExpressionMatch match = QRegularExpression("(/dev/loop[0-9]+)").match(said);
    ASSERT_TRUE(match.hasMatch()) << said.toStdString();
    const QString device = match.captured(1);
    QFile node(device);
    EXPECT_FALSE(node.open(QIODevice::ReadWrite)); // the user cannot touch the device itself

    ProcessRunner runner;
    LinuxPaths paths;
    paths.mediaRoot = media;
    const auto client = std::make_shared<UdisksClient>(QDBusConnection::systemBus(), false);
    ASSERT_TRUE(test::spinUntil([&] {
        const auto objects = client->objects();
        return objects && objects->blockForDevice(device);
    }));
    LinuxDiskTool disks(runner, paths, client);
    std::optional<DiskFacts> facts = disks.facts(device);
    ASSERT_TRUE(facts);
    EXPECT_FALSE(facts->isOSInternal);
    EXPECT_EQ(facts->disagreement, std::nullopt);

    // Without a kernel driver nothing can mount it for the user, so the erase meets it
    // unmounted and cannot mount it again: the user is told to put it in again.
    if (!disks.mount(device, "USER").mountPoint) {
        facts->mountPoint = media + "/USER";
        EXPECT_EQ(disks.erase(*facts, "USER", CardFileSystem::exFAT, "USERCARD"),
                  FormatOutcome::formatted("USERCARD", std::nullopt,
                                           LinuxDiskTool::erasedButNotMounted("USERCARD")));
    } else {
        facts = disks.facts(device);
        CardFormatter formatter(std::make_unique<LinuxDiskTool>(runner, paths, client));
        const FormatOutcome outcome =
            formatter.format({*facts->mountPoint, "USER", std::nullopt}, std::nullopt, std::nullopt,
                             [] { return true; });
        EXPECT_TRUE(outcome.isFormatted() && outcome.text == "USERCARD")
            << outcome.description().toStdString();
    }

    CardFormatter formatter(std::make_unique<LinuxDiskTool>(runner, paths, client));
    EXPECT_EQ(
        formatter.format({qEnvironmentVariable("STOWLY_TEST_SYSTEM_CARD"), "SYSTEM", std::nullopt},
                         std::nullopt, std::nullopt, [] { return true; }),
        FormatOutcome::refused(FormatGuard::partOfComputer()));
}
