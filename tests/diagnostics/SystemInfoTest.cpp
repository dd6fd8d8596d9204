#include "diagnostics/SystemInfo.h"

#include "Printing.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;

namespace {

struct FakeSystem {
    test::TempDir dir;
    SystemInfo::Sources sources{
        .appVersion = QStringLiteral("1.2.3"),
        .build = QStringLiteral("456"),
        .osRelease = {dir(QStringLiteral("etc/os-release")), dir(QStringLiteral("usr/os-release"))},
        .kernelRelease = dir(QStringLiteral("osrelease")),
        .model = {dir(QStringLiteral("product_name")), dir(QStringLiteral("dt-model"))},
        .cpuInfo = dir(QStringLiteral("cpuinfo")),
    };
};

const QByteArray debianRelease = "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"
                                 "NAME=\"Debian GNU/Linux\"\n"
                                 "VERSION_ID=\"12\"\n"
                                 "ID=debian\n";

const QByteArray cpuInfo = "processor\t: 0\n"
                           "vendor_id\t: GenuineIntel\n"
                           "model name\t: Intel(R) Core(TM) i7-1165G7 @ 2.80GHz\n\n"
                           "processor\t: 1\n"
                           "model name\t: Intel(R) Core(TM) i7-1165G7 @ 2.80GHz\n";

} // namespace

TEST(SystemInfoTest, ReadsEveryFactFromItsFile) {
    FakeSystem system;
    test::writeFile(system.sources.osRelease[0], debianRelease);
    test::writeFile(system.sources.kernelRelease, "6.1.0-18-amd64\n");
    test::writeFile(system.sources.model[0], "XPS 13 9310   \n");
    test::writeFile(system.sources.cpuInfo, cpuInfo);

    const SystemInfo info = SystemInfo::read(system.sources);
    EXPECT_EQ(info.appVersion, "1.2.3");
    EXPECT_EQ(info.build, "456");
    EXPECT_EQ(info.osVersion, "6.1.0-18-amd64 (Debian GNU/Linux 12)");
    EXPECT_EQ(info.model, "XPS 13 9310");
    EXPECT_EQ(info.chip, "Intel(R) Core(TM) i7-1165G7 @ 2.80GHz");
    EXPECT_EQ(info.launchDescription(),
              "Stowly 1.2.3 (456), Linux 6.1.0-18-amd64 (Debian GNU/Linux 12)");
    EXPECT_EQ(info.launchedMessage(),
              "Stowly Stowly 1.2.3 (456), Linux 6.1.0-18-amd64 (Debian GNU/Linux 12) launched");
}

TEST(SystemInfoTest, MissingFactsGiveTheUnknownTexts) {
    FakeSystem system;
    system.sources.appVersion.clear();
    system.sources.build = QStringLiteral("  ");
    test::writeFile(system.sources.model[0], "\n");
    test::writeFile(system.sources.cpuInfo, "processor\t: 0\nFeatures\t: fp asimd\n");

    const SystemInfo info = SystemInfo::read(system.sources);
    EXPECT_EQ(info.appVersion, "?");
    EXPECT_EQ(info.build, "?");
    EXPECT_EQ(info.osVersion, "?");
    EXPECT_EQ(info.model, "Unknown computer");
    EXPECT_EQ(info.chip, "Unknown chip");
}

TEST(SystemInfoTest, FallsBackToSecondSourcesAndPartialFacts) {
    FakeSystem system;
    // No /etc/os-release: the copy under /usr/lib is read; no VERSION_ID on rolling releases.
    test::writeFile(system.sources.osRelease[1], "# comment\nNAME='Arch Linux'\nID=arch\n");
    test::writeFile(system.sources.model[1], QByteArray("Raspberry Pi 4 Model B Rev 1.4\0", 31));
    EXPECT_EQ(SystemInfo::read(system.sources).osVersion, "Arch Linux");
    EXPECT_EQ(SystemInfo::read(system.sources).model, "Raspberry Pi 4 Model B Rev 1.4");

    test::writeFile(system.sources.kernelRelease, "6.8.5-301.fc40.x86_64\n");
    EXPECT_EQ(SystemInfo::read(system.sources).osVersion, "6.8.5-301.fc40.x86_64 (Arch Linux)");

    test::writeFile(system.sources.osRelease[1], "ID=alpine\nVERSION_ID=3.19.1\n");
    EXPECT_EQ(SystemInfo::read(system.sources).osVersion, "6.8.5-301.fc40.x86_64 (alpine 3.19.1)");
}

TEST(SystemInfoTest, UnescapesQuotedValues) {
    FakeSystem system;
    test::writeFile(system.sources.osRelease[0], "NAME=\"My \\\"Own\\\" Linux\"\nVERSION_ID=1\n");
    EXPECT_EQ(SystemInfo::read(system.sources).osVersion, "My \"Own\" Linux 1");
}

TEST(SystemInfoTest, CurrentComputerNamesItself) {
    const SystemInfo info = SystemInfo::current();
    EXPECT_EQ(info.appVersion, STOWLY_VERSION);
    EXPECT_EQ(info.build, STOWLY_BUILD_NUMBER);
    EXPECT_NE(info.osVersion, "?");
    EXPECT_FALSE(info.model.isEmpty());
    EXPECT_FALSE(info.chip.isEmpty());
}
