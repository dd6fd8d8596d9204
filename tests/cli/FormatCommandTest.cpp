// The erase from the command line on a real card: an exFAT image on a loop device, mounted
// where removable media are mounted, so the program finds it as any inserted card.

#include "cli/CliHarness.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

bool succeeds(const QString& program, const QStringList& arguments, QByteArray* out = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool done = process.waitForFinished(60000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (out)
        *out = process.readAllStandardOutput().trimmed();
    return done;
}

// Every mount of the device comes down and the device is detached, whatever the test did.
class LoopCard {
public:
    explicit LoopCard(const QString& label) : label(label), mountPoint("/media/" + label) {
        QFile image(folder("card.img"));
        if (!image.open(QIODevice::WriteOnly) || !image.resize(32 << 20))
            return;
        image.close();
        if (!succeeds("mkfs.exfat", {"-L", label, image.fileName()}) ||
            !succeeds("losetup", {"--find", "--show", image.fileName()}, &device))
            return;
        QDir().mkpath(mountPoint);
        mounted = succeeds("mount", {"-t", "exfat", device, mountPoint}) ||
                  succeeds("mount.exfat-fuse", {device, mountPoint});
    }
    ~LoopCard() {
        for (int round = 0; round < 3; ++round)
            for (const QByteArray& line : readFile("/proc/self/mountinfo").split('\n'))
                if (line.contains(" " + device + " "))
                    succeeds("umount", {QString::fromUtf8(line.split(' ').at(4))});
        if (!device.isEmpty())
            succeeds("losetup", {"--detach", device});
        QDir().rmdir(mountPoint);
    }

    const QString label;
    const QString mountPoint;
    QByteArray device;
    bool mounted = false;
    TempDir folder;
};

TEST(FormatCommandTest, ErasesACardOnlyOnceEveryFileIsSafe) {
    QString why;
    if (!canUseLoopDevices(&why))
        GTEST_SKIP() << why.toStdString();
    const QString label = QStringLiteral("CLI%1").arg(
        int(QRandomGenerator::global()->bounded(0x10000)), 4, 16, QChar(u'0'));
    LoopCard card(label.toUpper());
    if (!card.mounted)
        GTEST_SKIP() << "cannot mount an exFAT image here";
    writeFile(card.mountPoint + "/DCIM/IMG_0001.JPG", "photo");
    writeFile(card.mountPoint + "/DCIM/C0001.MP4",
              readFile(STOWLY_TEST_DATA_DIR "/media/clip-1s.mp4"));
    Cli cli;
    TempDir destination;

    // A volume is known by its file system's UUID, not by its name.
    QJsonObject listed;
    for (const QJsonValue& value : cli.run({"cards", "--json"}).array())
        if (value.toObject()["path"] == card.mountPoint)
            listed = value.toObject();
    EXPECT_EQ(listed["name"].toString(), card.label);
    EXPECT_TRUE(QRegularExpression("^[0-9A-F]{4}-[0-9A-F]{4}$")
                    .match(listed["identity"].toString())
                    .hasMatch())
        << listed["identity"].toString().toStdString();

    const CliResult early = cli.run({"format", card.mountPoint, "--yes"});
    EXPECT_EQ(early.status, 1);
    EXPECT_EQ(early.errText().trimmed(), "1 file not yet offloaded");

    ASSERT_EQ(
        cli.run({"offload", card.mountPoint, "--to", destination.path(), "--project", "P"}).status,
        0);
    const CliResult shortLeft = cli.run({"format", card.mountPoint, "--yes"});
    EXPECT_EQ(shortLeft.status, 1);
    EXPECT_TRUE(shortLeft.errText().startsWith("1 short clip not offloaded\n"));
    EXPECT_TRUE(QFile::exists(card.mountPoint + "/DCIM/C0001.MP4"));

    const CliResult erased = cli.run({"format", card.mountPoint, "--yes", "--discard-short-clips"});
    ASSERT_EQ(erased.status, 0) << erased.errText().toStdString();
    EXPECT_EQ(erased.outText(),
              "“" + card.label + "” was formatted and is ready for your camera.\n");
    EXPECT_TRUE(filesBelow(card.mountPoint).isEmpty());
    EXPECT_EQ(cli.run({"history", "--json"}).array().size(), 1);
}

// Refusing the startup disk is a refused format, not a mistyped command.
TEST(FormatCommandTest, TheStartupDiskIsRefusedNotAUsageError) {
    Cli cli;
    TempDir nowhere;
    for (const QString& command : QStringList{"format", "eject"}) {
        QStringList arguments{command, "/"};
        if (command == "format")
            arguments << "--yes";
        const CliResult refused = cli.run(arguments);
        EXPECT_EQ(refused.status, 1) << command.toStdString();
        EXPECT_EQ(refused.errText().trimmed(), "That’s your startup disk.");
        arguments[1] = nowhere("gone");
        EXPECT_EQ(cli.run(arguments).status, 2) << command.toStdString();
    }
}

} // namespace
} // namespace stowly::test
