#include "cli/CliHarness.h"
#include "support/SampleClips.h"

#include <QFile>
#include <QJsonArray>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

// Real clips through the real program and its decoding helper: each file says what it holds,
// and a clip cut short is named in the text as well.
TEST(ScanFactsCommandTest, ScanTellsEachFilesFactsAndNamesDamagedClips) {
    if (!sampleClips::ffmpegAvailable())
        GTEST_SKIP() << "ffmpeg is not installed";
    TempDir cardRoot;
    TempDir destination;
    const QString card = cardRoot("EOS_DIGITAL");
    QDir().mkpath(card + "/PRIVATE/M4ROOT/CLIP");
    ASSERT_TRUE(sampleClips::make(card + "/PRIVATE/M4ROOT/CLIP/C0001.MP4"));
    ASSERT_TRUE(sampleClips::make(card + "/PRIVATE/M4ROOT/CLIP/C0002.MP4"));
    sampleClips::cutInHalf(card + "/PRIVATE/M4ROOT/CLIP/C0002.MP4");

    Cli cli;
    const CliResult scan = cli.run({"scan", card, "--to", destination.path(), "--json"});
    ASSERT_EQ(scan.status, 0) << scan.errText().toStdString();
    const QJsonArray files = scan.object()["new"].toArray();
    ASSERT_EQ(files.size(), 2);
    const QJsonObject whole = files.at(0).toObject()["facts"].toObject();
    EXPECT_EQ(whole["codec"].toString(), "mpeg4");
    EXPECT_EQ(whole["width"].toInt(), 640);
    EXPECT_EQ(whole["startTimecode"].toString(), "01:00:00:00");
    EXPECT_FALSE(whole.contains("damage"));
    EXPECT_TRUE(files.at(1).toObject()["facts"].toObject()["damage"].toString().contains("index"));

    const CliResult text = cli.run({"scan", card, "--to", destination.path()});
    ASSERT_EQ(text.status, 0) << text.errText().toStdString();
    EXPECT_TRUE(
        text.outText().contains("May be damaged: PRIVATE/M4ROOT/CLIP/C0002.MP4: The clip’s"))
        << text.outText().toStdString();
    EXPECT_FALSE(text.outText().contains("C0001.MP4: The clip"));
}

} // namespace
} // namespace stowly::test
