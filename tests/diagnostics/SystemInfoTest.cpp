#include "diagnostics/SystemInfo.h"

#include "support/Printing.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;

namespace {

struct FakeSystem {
    test::TempDir dir;
    SystemInfo::Sources sources{"1.2.3",
                                "456",
                                {dir("os-release"), dir("lib-os-release")},
                                dir("osrelease"),
                                {dir("product_name"), dir("dt-model")},
                                dir("cpuinfo")};
};

} // namespace

TEST(SystemInfoTest, ReadsFactsWithFallbacksAndUnknownTexts) {
    FakeSystem system;
    system.sources.appVersion.clear();
    test::writeFile(system.sources.cpuInfo, "processor\t: 0\nFeatures\t: fp asimd\n");
    const SystemInfo unknown = SystemInfo::read(system.sources);
    EXPECT_EQ(unknown, (SystemInfo{"?", "456", "?", "Unknown computer", "Unknown chip"}));

    test::writeFile(system.sources.osRelease[1], "# rolling\nNAME='Arch Linux'\n");
    test::writeFile(system.sources.model[1], QByteArray("Raspberry Pi 4\0", 15));
    EXPECT_EQ(SystemInfo::read(system.sources).osVersion, "Arch Linux");
    EXPECT_EQ(SystemInfo::read(system.sources).model, "Raspberry Pi 4");
    test::writeFile(system.sources.osRelease[0], "ID=alpine\nVERSION_ID=\"3.\\\"19\\\"\"\n");
    test::writeFile(system.sources.kernelRelease, "6.6.1\n");
    EXPECT_EQ(SystemInfo::read(system.sources).osVersion, "6.6.1 (alpine 3.\"19\")");

    system.sources.appVersion = "1.2.3";
    test::writeFile(system.sources.osRelease[0],
                    "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\n"
                    "VERSION_ID=\"12\"\n");
    test::writeFile(system.sources.kernelRelease, "6.1.0-18-amd64\n");
    test::writeFile(system.sources.model[0], "XPS 13 9310   \n");
    test::writeFile(system.sources.cpuInfo, "processor\t: 0\nmodel name\t: Intel(R) Core(TM) "
                                            "i7-1165G7\n\nprocessor\t: 1\nmodel name\t: other\n");
    EXPECT_EQ(SystemInfo::read(system.sources),
              (SystemInfo{"1.2.3", "456", "6.1.0-18-amd64 (Debian GNU/Linux 12)", "XPS 13 9310",
                          "Intel(R) Core(TM) i7-1165G7"}));
}
