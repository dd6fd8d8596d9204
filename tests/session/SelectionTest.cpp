#include "media/DateFilter.h"
#include "media/ShortClipSkip.h"
#include "session/OffloadSelection.h"
#include "support/TestSupport.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace stowly;
using stowly::test::relativePaths;

namespace {

const QTimeZone berlin("Europe/Berlin");

QDateTime local(int y, int m, int d, int h = 12, int min = 0) {
    return QDateTime(QDate(y, m, d), QTime(h, min), berlin);
}

Clip clip(const QString& path, std::optional<QDateTime> created = local(2026, 10, 25)) {
    Clip c;
    c.url = ("/card/" + path).toUtf8();
    c.relativePath = path;
    c.size = 100;
    c.creationDate = created;
    c.modificationDate = created;
    return c;
}

QStringList sorted(const QSet<QString>& set) {
    QStringList list(set.begin(), set.end());
    list.sort();
    return list;
}

// The selection with everything at its default but what a test sets.
struct Choices {
    QSet<MediaCategory> categories = {MediaCategory::video, MediaCategory::photo,
                                      MediaCategory::audio, MediaCategory::other};
    ReoffloadMode reoffload = ReoffloadMode::off;
    QSet<QString> picked;
    ShortClipRule rule{true, 5.0};
    QHash<QString, double> durations;
    QSet<QString> includedShort;
    bool includeAll = false;
    DateFilter dates = DateFilter::any();
    QDateTime now = local(2026, 10, 25, 18);

    OffloadSelection make(const CardInventory& inventory) const {
        return OffloadSelection::make(inventory, categories, reoffload, picked, rule, durations,
                                      includedShort, includeAll, FileRules::standard(), dates, now,
                                      berlin);
    }
};

} // namespace

TEST(DateFilterTest, DaysStartAtLocalMidnight) {
    const QDateTime now = local(2026, 10, 25, 15);
    const auto today = DateFilter{DateFilter::Mode::today, now, now}.interval(now, berlin);
    ASSERT_TRUE(today);
    EXPECT_EQ(today->first, local(2026, 10, 25, 0));
    // The night the clocks go back is 25 hours long.
    EXPECT_EQ(today->first.secsTo(today->second), 25 * 3600);

    const auto week = DateFilter{DateFilter::Mode::last7Days, now, now}.interval(now, berlin);
    EXPECT_EQ(week->first, local(2026, 10, 19, 0));
    EXPECT_EQ(week->second, local(2026, 10, 26, 0));

    EXPECT_FALSE(DateFilter::any().interval(now, berlin));
}

TEST(DateFilterTest, ExcludesByDateAndSidecarsFollowTheirClip) {
    const DateFilter today{DateFilter::Mode::today, {}, {}};
    const QDateTime now = local(2026, 10, 25, 15);
    Clip lateYesterday = clip("DCIM/A.MP4", local(2026, 10, 24, 23, 59));
    Clip midnight = clip("DCIM/B.MP4", local(2026, 10, 25, 0, 0));
    Clip sidecar = clip("DCIM/A.XML", local(2026, 10, 25, 10));
    Clip undated = clip("DCIM/C.MP4", std::nullopt);
    Clip modifiedOnly = clip("DCIM/D.MP4", std::nullopt);
    modifiedOnly.modificationDate = local(2026, 10, 20);
    EXPECT_EQ(sorted(today.excludedIDs({lateYesterday, midnight, sidecar, undated, modifiedOnly},
                                       FileRules::standard(), now, berlin)),
              QStringList({"DCIM/A.MP4", "DCIM/A.XML", "DCIM/D.MP4"}));
    // Without its clip among the files, a sidecar goes by its own date.
    EXPECT_TRUE(today.excludedIDs({sidecar}, FileRules::standard(), now, berlin).isEmpty());
}

TEST(DateFilterTest, JsonNeedsAllKeys) {
    const DateFilter filter{DateFilter::Mode::last7Days, local(2026, 1, 2), local(2026, 1, 3)};
    EXPECT_EQ(DateFilter::fromJson(filter.toJson()), filter);
    QJsonObject broken = filter.toJson();
    broken.remove("to");
    EXPECT_FALSE(DateFilter::fromJson(broken));
}

TEST(ShortClipSkipTest, SkipsShortMainVideosWithTheirSidecars) {
    const Clip shortClip = clip("C0001.MP4");
    const Clip xml = clip("C0001M01.XML");
    const Clip exact = clip("C0002.MP4");
    const Clip unknown = clip("C0003.MP4");
    const Clip photo = clip("C0004.JPG");
    const Clip proxy = clip("GL010001.LRV");
    const QList<Clip> files{shortClip, xml, exact, unknown, photo, proxy};
    const QHash<QString, double> durations{
        {"C0001.MP4", 4.99}, {"C0002.MP4", 5.0}, {"C0004.JPG", 0.5}, {"GL010001.LRV", 1}};
    const auto find = [&](const QList<Clip>& candidates, const QHash<QString, double>& known,
                          ShortClipRule rule, const QSet<QString>& included, bool all) {
        return ShortClipSkip::find(candidates, files, known, rule, included, all,
                                   FileRules::standard());
    };
    const ShortClipRule rule{true, 5.0};
    const ShortClipSkip skip = find(files, durations, rule, {}, false);
    EXPECT_EQ(relativePaths(skip.clips), QStringList({"C0001.MP4"}));
    EXPECT_EQ(sorted(skip.ids), QStringList({"C0001.MP4", "C0001M01.XML"}));
    EXPECT_EQ(skip.sidecarCounts.value("C0001.MP4"), 1);

    // A sidecar that is not itself a candidate is not counted.
    EXPECT_TRUE(find({shortClip}, durations, rule, {}, false).sidecarCounts.isEmpty());
    EXPECT_TRUE(find(files, durations, rule, {"C0001.MP4"}, false).isEmpty());
    EXPECT_TRUE(find(files, durations, rule, {}, true).isEmpty());
    EXPECT_TRUE(find(files, durations, {false, 5.0}, {}, false).isEmpty());
    EXPECT_FALSE(find({shortClip}, {{"C0001.MP4", 0.0}}, rule, {}, false).isEmpty());
}

TEST(OffloadSelectionTest, CountsWhatIsLeftOut) {
    CardInventory inventory;
    inventory.newFiles = {clip("N1.MP4"), clip("N2.JPG", local(2026, 10, 1)), clip("N3.WAV")};
    inventory.missing = {clip("M1.MP4"), clip("M2.MP4", local(2026, 10, 1))};
    inventory.offloaded = {clip("O1.MP4"), clip("O2.MP4", local(2026, 10, 1)), clip("O1.XML")};
    Choices choices;
    choices.dates = DateFilter{DateFilter::Mode::today, {}, {}};

    OffloadSelection s = choices.make(inventory);
    EXPECT_EQ(relativePaths(s.toCopy), QStringList({"N1.MP4", "N3.WAV"}));
    EXPECT_EQ(s.outsideDates, 1);
    EXPECT_EQ(s.missingKept, 1); // the one outside the dates is neither copied nor kept
    EXPECT_EQ(s.offloadedKept, 3);

    choices.reoffload = ReoffloadMode::missing;
    s = choices.make(inventory);
    EXPECT_EQ(relativePaths(s.toCopy), QStringList({"N1.MP4", "N3.WAV", "M1.MP4"}));
    EXPECT_EQ(sorted(s.reoffloading), QStringList({"M1.MP4"}));
    EXPECT_EQ(s.missingKept, 0);

    choices.reoffload = ReoffloadMode::everything;
    s = choices.make(inventory);
    EXPECT_EQ(relativePaths(s.toCopy),
              QStringList({"N1.MP4", "N3.WAV", "M1.MP4", "O1.MP4", "O1.XML"}));
    EXPECT_EQ(s.offloadedKept, 1); // outside the dates: kept, not copied

    // Excluding video removes videos from every count.
    choices.categories = {MediaCategory::photo, MediaCategory::audio};
    s = choices.make(inventory);
    EXPECT_EQ(relativePaths(s.toCopy), QStringList({"N3.WAV"}));
    EXPECT_EQ(s.outsideDates, 1);
    EXPECT_EQ(s.missingKept + s.offloadedKept, 0);
}

TEST(OffloadSelectionTest, PickedFilesComeWithTheirSidecarsWhateverTheDates) {
    CardInventory inventory;
    inventory.offloaded = {clip("O1.MP4", local(2026, 10, 1)), clip("O1.XML", local(2026, 10, 1)),
                           clip("O2.MP4")};
    Choices choices;
    choices.dates = DateFilter{DateFilter::Mode::today, {}, {}};
    choices.picked = {"O1.MP4"};
    const OffloadSelection s = choices.make(inventory);
    EXPECT_EQ(relativePaths(s.toCopy), QStringList({"O1.MP4", "O1.XML"}));
    EXPECT_EQ(s.offloadedKept, 1);
    EXPECT_EQ(sorted(OffloadSelection::withSidecars({"O1.MP4"}, inventory.offloaded,
                                                    FileRules::standard())),
              QStringList({"O1.MP4", "O1.XML"}));
}
