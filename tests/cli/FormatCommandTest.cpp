// The erase from the command line on a real card: an exFAT image on a loop device, mounted
// where removable media are mounted, so the program finds it as any inserted card.

#include "cli/CliHarness.h"

#include <QFile>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

TEST(FormatCommandTest, ErasesACardOnlyOnceEveryFileIsSafe) {
    TempDir folder;
    QString why;
    const auto card = mediaCard("CLI", folder.path(), ScratchMount::Driver::kernelFirst, &why);
    if (!card)
        GTEST_SKIP() << why.toStdString();
    const QString& label = card->label;
    const QString& mountPoint = card->mountPoint;
    writeFile(mountPoint + "/DCIM/IMG_0001.JPG", "photo");
    writeFile(mountPoint + "/DCIM/C0001.MP4", readFile(STOWLY_TEST_DATA_DIR "/media/clip-1s.mp4"));
    Cli cli;
    TempDir destination;

    // A volume is known by its file system's UUID, not by its name.
    QJsonObject listed;
    for (const QJsonValue& value : cli.run({"cards", "--json"}).array())
        if (value.toObject()["path"] == mountPoint)
            listed = value.toObject();
    EXPECT_EQ(listed["name"].toString(), label);
    EXPECT_TRUE(QRegularExpression("^[0-9A-F]{4}-[0-9A-F]{4}$")
                    .match(listed["identity"].toString())
                    .hasMatch())
        << listed["identity"].toString().toStdString();

    const CliResult early = cli.run({"format", mountPoint, "--yes"});
    EXPECT_EQ(early.status, 1);
    EXPECT_EQ(early.errText().trimmed(), "1 file not yet offloaded");

    ASSERT_EQ(cli.run({"offload", mountPoint, "--to", destination.path(), "--project", "P"}).status,
              0);
    const CliResult shortLeft = cli.run({"format", mountPoint, "--yes"});
    EXPECT_EQ(shortLeft.status, 1);
    EXPECT_TRUE(shortLeft.errText().startsWith("1 short clip not offloaded\n"));
    EXPECT_TRUE(QFile::exists(mountPoint + "/DCIM/C0001.MP4"));

    const CliResult erased = cli.run({"format", mountPoint, "--yes", "--discard-short-clips"});
    ASSERT_EQ(erased.status, 0) << erased.errText().toStdString();
    EXPECT_EQ(erased.outText(), "“" + label + "” was formatted and is ready for your camera.\n");
    EXPECT_TRUE(filesBelow(mountPoint).isEmpty());
    EXPECT_EQ(cli.run({"history", "--json"}).array().size(), 1);
}

} // namespace
} // namespace stowly::test
