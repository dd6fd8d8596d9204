#include "media/MediaFacts.h"
#include "media/FactsScanner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <limits>
#include <mutex>
#include <thread>

namespace stowly {
namespace {

MediaFacts clipFacts() {
    MediaFacts facts;
    facts.codec = "h264";
    facts.width = 3840;
    facts.height = 2160;
    facts.frameRate = 23.976;
    facts.duration = 0; // a clip of no length still says so
    facts.startTimecode = "01:00:00;00";
    facts.audioChannels = 4;
    facts.captureTime = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9));
    facts.damage = "The clip’s index is missing.";
    return facts;
}

TEST(MediaFactsWireTest, EveryFieldSurvivesTheTripAndNothingMore) {
    const MediaFacts clip = clipFacts();
    EXPECT_EQ(MediaFacts::fromWire(clip.toWire()), clip);
    MediaFacts photo;
    photo.cameraMake = "Canon";
    photo.cameraModel = "Canon EOS R5";
    photo.lens = "RF24-70mm";
    photo.iso = 400;
    photo.exposureTime = 0.004;
    photo.aperture = 4;
    photo.focalLength = 50;
    EXPECT_EQ(MediaFacts::fromWire(photo.toWire()), photo);
    EXPECT_EQ(MediaFacts::fromWire(MediaFacts{}.toWire()), MediaFacts{});
}

// What a helper gone wrong might send: cut short, lengths past the end, unknown tags,
// numbers that are not numbers, texts too long or full of terminal controls.
TEST(MediaFactsWireTest, RefusesWhatIsNotWellFormed) {
    const QByteArray good = clipFacts().toWire();
    // Cut between fields it is a shorter answer; inside a field, none.
    for (qsizetype cut = 0; cut < good.size(); ++cut)
        (void)MediaFacts::fromWire(good.left(cut));
    EXPECT_FALSE(MediaFacts::fromWire(good.left(6)));
    EXPECT_FALSE(MediaFacts::fromWire({}));
    EXPECT_FALSE(MediaFacts::fromWire(QByteArray("\x02", 1)));
    EXPECT_FALSE(MediaFacts::fromWire(QByteArray("\x01\x63", 2)));

    const auto number = [](quint8 tag, double value) {
        QByteArray bytes("\x01", 1);
        bytes.append(char(tag));
        bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
        return bytes;
    };
    EXPECT_TRUE(MediaFacts::fromWire(number(2, 1920)));
    EXPECT_FALSE(MediaFacts::fromWire(number(2, 1920.5)));
    EXPECT_FALSE(MediaFacts::fromWire(number(4, std::numeric_limits<double>::quiet_NaN())));
    EXPECT_FALSE(MediaFacts::fromWire(number(5, std::numeric_limits<double>::infinity())));
    EXPECT_FALSE(MediaFacts::fromWire(number(11, -400)));

    const auto text = [](quint16 size, const QByteArray& content) {
        QByteArray bytes("\x01\x01", 2);
        bytes.append(reinterpret_cast<const char*>(&size), sizeof size);
        return bytes + content;
    };
    EXPECT_FALSE(MediaFacts::fromWire(text(600, QByteArray(600, 'a'))));
    EXPECT_FALSE(MediaFacts::fromWire(text(10, "short")));
    const std::optional<MediaFacts> controls = MediaFacts::fromWire(text(9, "h2\x1b[2J\n64"));
    ASSERT_TRUE(controls);
    EXPECT_EQ(controls->codec, "h2 [2J 64");
}

class CountingReader : public FactsReading {
public:
    std::optional<MediaFacts> facts(const QByteArray& url, std::stop_token = {}) override {
        const int now = ++inFlight;
        {
            std::lock_guard lock(mutex);
            peak = std::max(peak, now);
            ++calls;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        --inFlight;
        if (url.endsWith("bad.mp4"))
            return std::nullopt;
        MediaFacts facts;
        facts.codec = QString::fromUtf8(url);
        return facts;
    }
    std::atomic<int> inFlight{0};
    std::mutex mutex;
    int peak = 0;
    int calls = 0;
};

// Two at a time, clips and photos only, nothing while a copy holds the card, everything read
// remembered (a failed reading too), and a stop ends it before the next file.
TEST(FactsScannerTest, ReadsTwoAtATimeGivesWayAndRemembers) {
    QList<Clip> clips;
    for (const char* name : {"A.MP4", "B.MOV", "C.JPG", "D.CR3", "bad.mp4", "E.XML", "F.WAV"}) {
        Clip clip;
        clip.relativePath = QString::fromLatin1(name);
        clip.url = QByteArray("/card/") + name;
        clips.append(clip);
    }
    CountingReader reader;
    std::atomic<int> asked{0};
    FactsScanner::Options options;
    // The copy holds the card for the first few looks.
    options.mayRead = [&] { return ++asked > 3; };
    FactsScanner::Batch all;
    FactsScanner::read(clips, "V", {}, reader, options, [&](FactsScanner::Batch batch) {
        all.byPath.insert(batch.byPath);
        all.fresh.insert(batch.fresh);
    });
    EXPECT_EQ(reader.calls, 5);
    EXPECT_LE(reader.peak, 2);
    EXPECT_EQ(all.fresh.size(), 5);
    EXPECT_EQ(all.byPath.size(), 4);
    EXPECT_EQ(all.byPath.value("C.JPG").codec, "/card/C.JPG");

    FactsScanner::Batch again;
    FactsScanner::read(clips, "V", all.fresh, reader, {},
                       [&](FactsScanner::Batch batch) { again = batch; });
    EXPECT_EQ(reader.calls, 5);
    EXPECT_EQ(again.byPath, all.byPath);

    std::stop_source stop;
    stop.request_stop();
    options.stop = stop.get_token();
    FactsScanner::read(clips, "V", {}, reader, options, [](FactsScanner::Batch) {});
    EXPECT_EQ(reader.calls, 5);
}

} // namespace
} // namespace stowly
