#include "media/DecoderHelpers.h"
#include "media/HelperFactsReader.h"
#include "support/SampleClips.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

namespace stowly::test {
namespace {

// Every file goes through the real helper program, confined as the window starts it.
class FactsReadersTest : public ::testing::Test {
protected:
    std::optional<MediaFacts> read(const QString& name) {
        return reader.facts(QFile::encodeName(dir(name)));
    }
    void needFFmpeg() {
        if (!sampleClips::ffmpegAvailable())
            GTEST_SKIP() << "ffmpeg is not installed";
    }

    TempDir dir;
    DecoderHelpers helpers;
    HelperFactsReader reader{&helpers};
};

TEST_F(FactsReadersTest, ReadsAClipsStreamsTimecodeAndSound) {
    needFFmpeg();
    ASSERT_TRUE(sampleClips::make(dir("C0001.MOV")));
    const MediaFacts facts = read("C0001.MOV").value_or(MediaFacts{});
    EXPECT_EQ(facts.codec, "mpeg4");
    EXPECT_EQ(facts.width, 640);
    EXPECT_EQ(facts.height, 360);
    EXPECT_DOUBLE_EQ(facts.frameRate, 25);
    EXPECT_NEAR(facts.duration.value_or(0), 2.0, 0.1);
    EXPECT_EQ(facts.startTimecode, "01:00:00:00");
    EXPECT_EQ(facts.audioChannels, 2);
    EXPECT_FALSE(facts.damage) << facts.damage->toStdString();
}

// Cut in half with the index at the end (as cameras write it), and with the index first: the
// index is missing, or points past the end. A whole clip in either layout is not damaged.
TEST_F(FactsReadersTest, AClipCutInHalfIsDamagedAndAWholeOneIsNot) {
    needFFmpeg();
    ASSERT_TRUE(sampleClips::make(dir("WHOLE.MP4")));
    ASSERT_TRUE(sampleClips::make(dir("FIRST.MP4"), {"-movflags", "+faststart"}));
    QFile::copy(dir("WHOLE.MP4"), dir("CUT.MP4"));
    QFile::copy(dir("FIRST.MP4"), dir("CUTFIRST.MP4"));
    sampleClips::cutInHalf(dir("CUT.MP4"));
    sampleClips::cutInHalf(dir("CUTFIRST.MP4"));

    for (const char* whole : {"WHOLE.MP4", "FIRST.MP4"})
        EXPECT_FALSE(read(whole).value_or(MediaFacts{}).damage) << whole;
    const MediaFacts cut = read("CUT.MP4").value_or(MediaFacts{});
    ASSERT_TRUE(cut.damage);
    EXPECT_TRUE(cut.damage->contains("index is missing")) << cut.damage->toStdString();
    const MediaFacts cutFirst = read("CUTFIRST.MP4").value_or(MediaFacts{});
    ASSERT_TRUE(cutFirst.damage);
    EXPECT_TRUE(cutFirst.damage->contains("cut off")) << cutFirst.damage->toStdString();
    // What could still be read of it is told too.
    EXPECT_EQ(cutFirst.width, 640);
}

TEST_F(FactsReadersTest, ReadsAPhotosRecordOfTheShotFromItsExif) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(dir("IMG_0001.JPG"), "JPEG"));
    {
        auto file = Exiv2::ImageFactory::open(dir("IMG_0001.JPG").toStdString());
        file->readMetadata();
        Exiv2::ExifData& exif = file->exifData();
        exif["Exif.Image.Make"] = "Canon";
        exif["Exif.Image.Model"] = "Canon EOS R5";
        exif["Exif.Photo.LensModel"] = "RF24-70mm F2.8 L IS USM";
        exif["Exif.Photo.ISOSpeedRatings"] = uint16_t(400);
        exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 250);
        exif["Exif.Photo.FNumber"] = Exiv2::URational(4, 1);
        exif["Exif.Photo.FocalLength"] = Exiv2::URational(50, 1);
        exif["Exif.Photo.DateTimeOriginal"] = "2024:05:06 07:08:09";
        file->writeMetadata();
    }
    const MediaFacts facts = read("IMG_0001.JPG").value_or(MediaFacts{});
    EXPECT_EQ(facts.cameraMake, "Canon");
    EXPECT_EQ(facts.cameraModel, "Canon EOS R5");
    EXPECT_EQ(facts.lens, "RF24-70mm F2.8 L IS USM");
    EXPECT_EQ(facts.iso, 400);
    EXPECT_DOUBLE_EQ(facts.exposureTime, 1.0 / 250);
    EXPECT_DOUBLE_EQ(facts.aperture, 4);
    EXPECT_DOUBLE_EQ(facts.focalLength, 50);
    EXPECT_EQ(facts.captureTime, QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
    EXPECT_FALSE(facts.damage);
}

// Bytes that only claim to be media: a clip that cannot be opened is damaged, a photo holds
// nothing to tell, and the helper survives both.
TEST_F(FactsReadersTest, GarbageGivesEmptyFactsOrDamageAndNeverEndsTheHelper) {
    QByteArray garbage(64 * 1024, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) ^ (i >> 3));
    writeFile(dir("C0002.MOV"), garbage);
    writeFile(dir("IMG_0002.JPG"), "\xff\xd8\xff\xe1\xff\xff" + garbage);
    writeFile(dir("IMG_0003.CR2"), "II*\0" + garbage);
    writeFile(dir("notes.txt"), "not media");
    EXPECT_TRUE(read("C0002.MOV").value_or(MediaFacts{}).damage);
    for (const char* name : {"IMG_0002.JPG", "IMG_0003.CR2", "notes.txt"}) {
        const std::optional<MediaFacts> facts = read(name);
        ASSERT_TRUE(facts) << name;
        EXPECT_TRUE(facts->isEmpty()) << name;
    }
    EXPECT_EQ(helpers.helpersLost(), 0);
}

} // namespace
} // namespace stowly::test
