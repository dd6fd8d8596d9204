// Where the naming settings say the two sample files go: the real plan of them, fixed in time.

#include "app/settings/ExamplePaths.h"

#include <gtest/gtest.h>

using namespace stowly;

TEST(ExamplePaths, PlansTheSamplesWithTheTemplatesOrAsksForAFix) {
    // The sample's own project, camera and card show in the paths below.
    const NamingContext context = ExamplePaths::sampleContext(QString(), QString());
    EXPECT_EQ(
        ExamplePaths::sampleContext(QStringLiteral("harbour shoot"), QStringLiteral("A7S")).project,
        QStringLiteral("HarbourShoot"));

    // One counter across the type folders; a trailing "/" of the destination is not doubled.
    const ExamplePaths standard = ExamplePaths::make(QStringLiteral("{date}/{project}"),
                                                     QStringLiteral("{date}_{project}_{seq}"),
                                                     context, QStringLiteral("/srv/footage/"));
    EXPECT_EQ(standard.destination, QStringLiteral("/srv/footage"));
    ASSERT_EQ(standard.examples.size(), 2);
    EXPECT_EQ(standard.examples[0],
              (ExamplePaths::Example{
                  QStringLiteral("C0001.MP4"),
                  QStringLiteral("2026-10-25/Coastline/MP4/2026-10-25_Coastline_0001.mp4")}));
    EXPECT_EQ(
        standard.path(standard.examples[1]),
        QStringLiteral("/srv/footage/2026-10-25/Coastline/ARW/2026-10-25_Coastline_0002.arw"));

    // Without a destination the paths are relative; the time is the local one it was shot at.
    const ExamplePaths tokens = ExamplePaths::make(
        QStringLiteral("{camera}"), QStringLiteral("{card}_{time}_{original}"), context, {});
    EXPECT_EQ(tokens.text(), QStringLiteral("FX3/MP4/A7SIII_143005_C0001.mp4\n"
                                            "FX3/ARW/A7SIII_143112_DSC00012.arw"));

    // A warning still plans; an error in either template does not.
    EXPECT_EQ(ExamplePaths::make({}, QStringLiteral("{date}_{project}"), context, {}).text(),
              QStringLiteral("MP4/2026-10-25_Coastline.mp4\nARW/2026-10-25_Coastline.arw"));
    for (const auto& [folder, file] :
         {std::pair{QStringLiteral("{date}/{seq}"), QStringLiteral("{seq}")},
          std::pair{QStringLiteral("{date}"), QString()}}) {
        const ExamplePaths broken = ExamplePaths::make(folder, file, context, {});
        EXPECT_TRUE(broken.examples.isEmpty());
        EXPECT_EQ(broken.text(), QStringLiteral("Fix the problems above to see an example."));
    }
}
