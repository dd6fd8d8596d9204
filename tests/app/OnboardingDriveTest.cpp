#include "app/onboarding/OnboardingDrive.h"

#include "devices/VolumePaths.h"
#include "support/FakeVolumes.h"

#include "support/Printing.h"
#include "support/TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

class OnboardingDriveTest : public ::testing::Test {
protected:
    void SetUp() override { VolumePaths::setMountRoots({media}); }
    void TearDown() override { VolumePaths::setMountRoots(VolumePaths::defaultMountRoots()); }

    // A writable fixed drive under the media root, with a real folder to measure and list.
    VolumeResources& drive(const QString& name, const QString& inside = {}) {
        QDir().mkpath(media + name + '/' + inside);
        drives.append({.path = media + name,
                       .isRemovable = false,
                       .isInternal = false,
                       .isRootFileSystem = false,
                       .isReadOnly = false});
        return drives.last();
    }
    QStringList offered() {
        for (const VolumeResources& r : drives)
            volumes.add(r);
        QStringList names;
        for (const OnboardingDrive& d : OnboardingDrive::live(volumes))
            names << d.name;
        return names;
    }

    TempDir dir;
    QString media = dir("media/");
    QList<VolumeResources> drives;
    FakeVolumes volumes;
};

} // namespace

TEST_F(OnboardingDriveTest, OffersWritableFixedDrivesFirstAndTheStartupVolumeLast) {
    drives.append({.path = "/", .isInternal = true, .isRootFileSystem = true});
    drive("SSD").name = "Footage SSD";
    drive("Card").isRemovable = true;
    drive("NTFS").isReadOnly = true;
    drive("Unknown").isReadOnly.reset();
    drive("Image").isDiskImage = true;
    drive("Spare").isInternal = true;
    drive("TimeMachine", "Backups.backupdb");
    drive("Camera", "dcim/100CANON");
    drive("Handycam", "PRIVATE/M4ROOT");
    drive("Elsewhere").path = dir("mnt/data");
    drive("Raid");
    ASSERT_EQ(offered(), QStringList({"Footage SSD", "Spare", "Raid", "Computer"}));

    const QList<OnboardingDrive> list = OnboardingDrive::live(volumes);
    EXPECT_EQ(list[0].kind, "External");
    EXPECT_EQ(list[0].suggestedPath, media + "SSD");
    EXPECT_TRUE(list[0].totalBytes > 0 && list[0].freeBytes);
    EXPECT_EQ(list[1].kind, "Internal"); // an internal disk, but not the start-up volume
    EXPECT_FALSE(list[1].isInternal);
    EXPECT_TRUE(list[3].kind == "Internal" && list[3].isInternal);
    EXPECT_TRUE(list[3].suggestedPath.startsWith(QDir::homePath() + "/")); // the movies folder
    EXPECT_TRUE(list[3].freeBytes); // measured where that folder will be made
}
