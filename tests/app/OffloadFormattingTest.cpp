#include "app/model/OffloadFormatting.h"

#include "support/Printing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace stowly {
namespace {

TEST(OffloadFormattingTest, TimeLeftInWordsAtEachBoundary) {
    const double infinity = std::numeric_limits<double>::infinity();
    const std::pair<std::optional<double>, QString> cases[] = {
        {std::nullopt, "Estimating time…"},
        {std::nan(""), "Estimating time…"},
        {0.0, "Almost done"},
        {-5.0, "Almost done"},
        {59.5, "Less than a minute left"},
        {60.0, "About 1 min left"},
        {61.0, "About 2 min left"},
        {3540.0, "About 59 min left"},
        {3541.0, "About 1 hr left"},
        {3600.0, "About 1 hr left"},
        {3660.0, "About 1 hr 1 min left"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(OffloadFormatting::etaText(seconds), text) << seconds.value_or(-1);
    // A stalled rate gives no time worth a number, but never a broken text.
    EXPECT_TRUE(OffloadFormatting::etaText(infinity).startsWith("About "));
}

TEST(OffloadFormattingTest, NoEstimateUntilTheRateIsWorthTrusting) {
    using OffloadFormatting::estimatedSecondsRemaining;
    // However much is done, under two seconds says nothing.
    EXPECT_FALSE(estimatedSecondsRemaining(999, 1000, 1.9));
    EXPECT_FALSE(estimatedSecondsRemaining(0, 1000, 10));
    EXPECT_FALSE(estimatedSecondsRemaining(0, 0, 10));
    EXPECT_FALSE(estimatedSecondsRemaining(500, 1000, std::nan("")));
    // Everything copied is done at once, even before any time passed.
    EXPECT_EQ(estimatedSecondsRemaining(1000, 1000, 0), 0.0);
    EXPECT_EQ(estimatedSecondsRemaining(1200, 1000, 0), 0.0);
    EXPECT_DOUBLE_EQ(*estimatedSecondsRemaining(250, 1000, 5), 15.0);
}

TEST(OffloadFormattingTest, CardRowAndResultWords) {
    using OffloadFormatting::cardDetail;
    EXPECT_EQ(cardDetail(0, std::nullopt, 0), "No new files");
    EXPECT_EQ(cardDetail(1, std::nullopt, 0), "1 new file");
    EXPECT_EQ(cardDetail(214, std::nullopt, 3), "214 new files · 3 ignored");
    // Once copying, what was copied replaces what is new; 0 copied still says so.
    EXPECT_EQ(cardDetail(5, 0, 1), "0 copied · 1 ignored");
    EXPECT_EQ(cardDetail(0, 12, 0), "12 copied");

    OffloadSummary summary{3, 2, 0, false, {}};
    EXPECT_EQ(OffloadFormatting::finishedTitle(summary), "Offload Complete");
    EXPECT_EQ(OffloadFormatting::finishedSubtitle(summary, false),
              "3 copied · 2 skipped · 0 failed");
    EXPECT_EQ(OffloadFormatting::finishedSubtitle(summary, true),
              "3 copied · 2 skipped · 0 failed — card ejected, safe to remove");
    summary.failed = 1;
    EXPECT_EQ(OffloadFormatting::finishedTitle(summary), "Finished with Problems");
    // A cancelled run says so even when files failed before the stop.
    summary.cancelled = true;
    EXPECT_EQ(OffloadFormatting::finishedTitle(summary), "Offload Cancelled");

    // A card pulled half way is said once, its files under it, before other problems.
    OffloadSummary pulled{1, 0, 2, false, {"DCIM/X.JPG at /b: Couldn’t write."}};
    pulled.leftOnRemovedCard = {"DCIM/DSC00003.ARW", "DCIM/DSC00004.ARW"};
    EXPECT_EQ(OffloadFormatting::problemLines(pulled, "A7SIII"),
              QStringList({"“A7SIII” was removed before 2 files were copied. Put it back in to "
                           "copy the rest.",
                           "    DCIM/DSC00003.ARW", "    DCIM/DSC00004.ARW",
                           "DCIM/X.JPG at /b: Couldn’t write."}));
    // A card not read all through is never complete, and says what it couldn't read first.
    EXPECT_EQ(OffloadFormatting::finishedTitle(OffloadSummary{3, 0, 0, false, {}}, false),
              "Finished with Problems");
    EXPECT_EQ(
        OffloadFormatting::problemLines(pulled, "A7SIII", QStringLiteral("Unreadable.")).first(),
        "Unreadable.");
    pulled.leftOnRemovedCard = {"DCIM/DSC00004.ARW"};
    EXPECT_TRUE(OffloadFormatting::problemLines(pulled, "A7SIII")
                    .first()
                    .startsWith("“A7SIII” was removed before 1 file was copied."));
}

} // namespace
} // namespace stowly
