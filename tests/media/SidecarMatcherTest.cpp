#include "media/SidecarMatcher.h"
#include "media/ClipOrder.h"
#include "naming/NameBook.h"
#include "support/Printing.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;
using test::clipAt;

namespace {

QStringList companionsOf(const SidecarMatcher::Result& result, const QString& primary) {
    QStringList list;
    for (const auto& sidecar : result.sidecars.value(primary))
        list.append(sidecar.file.relativePath + u'|' + sidecar.suffix);
    return list;
}

} // namespace

TEST(SidecarMatcherTest, MatchesExactNumberedAndLowResolutionNames) {
    const QList<Clip> files = clipOrder::order({
        clipAt("M4ROOT/CLIP/C0001.MP4"),
        clipAt("M4ROOT/CLIP/C0001M01.XML"),
        clipAt("M4ROOT/CLIP/c0001.thm"),
        clipAt("M4ROOT/CLIP/C0001.WAV"),
        clipAt("M4ROOT/CLIP/C0002M01.XML"), // no C0002 clip
        clipAt("OTHER/C0001.XML"),          // another folder
        clipAt("DCIM/GX010001.MP4"),
        clipAt("DCIM/GL010001.LRV"),
        clipAt("DCIM/gl010002.lrv"),
        clipAt("DCIM/GH010002.MP4"),
        clipAt("DCIM/GL.LRV"), // too short to stand for a GX name
        clipAt("DJI/DJI_0001.MP4"),
        clipAt("DJI/DJI_0001.LRF"),
        clipAt("DJI/DJI_0001.SRT"),
    });
    const auto result = SidecarMatcher::match(files, FileRules::standard());
    EXPECT_EQ(companionsOf(result, "M4ROOT/CLIP/C0001.MP4"),
              QStringList({"M4ROOT/CLIP/C0001.WAV|", "M4ROOT/CLIP/C0001M01.XML|M01",
                           "M4ROOT/CLIP/c0001.thm|"}));
    EXPECT_EQ(companionsOf(result, "DCIM/GX010001.MP4"), QStringList{"DCIM/GL010001.LRV|"});
    EXPECT_EQ(companionsOf(result, "DCIM/GH010002.MP4"), QStringList{"DCIM/gl010002.lrv|"});
    EXPECT_EQ(companionsOf(result, "DJI/DJI_0001.MP4"),
              QStringList({"DJI/DJI_0001.LRF|", "DJI/DJI_0001.SRT|"}));
    for (const char* unmatched : {"M4ROOT/CLIP/C0002M01.XML", "OTHER/C0001.XML", "DCIM/GL.LRV"})
        EXPECT_FALSE(result.primaryOf.contains(unmatched)) << unmatched;
    EXPECT_EQ(result.primaryOf.value("DCIM/GL010001.LRV"), "DCIM/GX010001.MP4");

    const auto roles = result.sidecars.value("M4ROOT/CLIP/C0001.MP4");
    EXPECT_EQ(roles[0].role, FileRole::main); // the WAV stays a main file beside its clip
    EXPECT_EQ(roles[1].role, FileRole::sidecar);
}

TEST(SidecarMatcherTest, TheEarlierOfTwoClipsWithOneNameOwnsIt) {
    const QList<Clip> files = clipOrder::order({
        clipAt("DCIM/DSC0001.JPG", QDate(2026, 10, 25), QTime(12, 0, 1)),
        clipAt("DCIM/DSC0001.MP4", QDate(2026, 10, 25), QTime(12, 0, 0)),
        clipAt("DCIM/DSC0001.THM"),
    });
    const auto result = SidecarMatcher::match(files, FileRules::standard());
    EXPECT_EQ(result.primaryOf.value("DCIM/DSC0001.THM"), "DCIM/DSC0001.MP4");
    EXPECT_FALSE(result.primaryOf.contains("DCIM/DSC0001.JPG"));
}

TEST(SidecarMatcherTest, MediaInACompanionListIsACandidate) {
    FileRules rules = FileRules::standard();
    rules.proxyExtensions.append("mov");
    const auto result = SidecarMatcher::match({clipAt("A/C1.MP4"), clipAt("A/C1.MOV")}, rules);
    ASSERT_EQ(result.sidecars.value("A/C1.MP4").size(), 1);
    EXPECT_EQ(result.sidecars.value("A/C1.MP4")[0].role, FileRole::proxy);
}

TEST(SidecarMatcherTest, SonySuffix) {
    EXPECT_EQ(SidecarMatcher::sonySuffix("C0001M01"), "M01");
    EXPECT_EQ(SidecarMatcher::sonySuffix("xm12"), "m12");
    EXPECT_FALSE(SidecarMatcher::sonySuffix("M01"));
    EXPECT_FALSE(SidecarMatcher::sonySuffix("C0001X01"));
    EXPECT_FALSE(SidecarMatcher::sonySuffix("C0001M0a"));
    // Counted in characters: the accented letter is one.
    EXPECT_EQ(SidecarMatcher::sonySuffix(QString::fromUtf8("e\u0301M01")), "M01");
    EXPECT_FALSE(SidecarMatcher::sonySuffix(QString::fromUtf8("CM01\u0301")));
}

TEST(NameBookTest, UniqueIgnoresCaseAndCountsPartialCopies) {
    int calls = 0;
    NameBook book([&calls](const QString& folder) -> QStringList {
        ++calls;
        if (folder == "Shoot/MP4")
            return {"clip.MP4", "Next.mp4.stowly-partial", "Old.mov.FLICKBOX-PARTIAL", "Bare"};
        return {};
    });
    EXPECT_EQ(book.unique("Clip", "mp4", "Shoot/MP4"), "Clip_2.mp4");
    EXPECT_EQ(book.unique("next", "mp4", "shoot/mp4"), "next_2.mp4");
    EXPECT_EQ(book.unique("old", "MOV", "Shoot/MP4"), "old_2.MOV");
    EXPECT_EQ(book.unique("Bare", "", "Shoot/MP4"), "Bare_2");
    EXPECT_EQ(book.unique("Free", "mp4", "Shoot/MP4"), "Free.mp4");
    // unique does not reserve; reserve does.
    EXPECT_EQ(book.unique("Free", "mp4", "Shoot/MP4"), "Free.mp4");
    book.reserve("FREE.MP4", "SHOOT/MP4");
    EXPECT_EQ(book.unique("Free", "mp4", "Shoot/MP4"), "Free_2.mp4");
    book.reserve("Free_2.mp4", "Shoot/MP4");
    EXPECT_EQ(book.unique("Free", "mp4", "Shoot/MP4"), "Free_3.mp4");
    EXPECT_EQ(book.names("Shoot/MP4"), QStringList({"clip.MP4", "Next.mp4", "Old.mov", "Bare"}));
    EXPECT_EQ(calls, 1);
}
