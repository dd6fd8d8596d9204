#include "app/model/DestinationNames.h"
#include "base/FileNames.h"
#include "copy/Offloader.h"
#include "devices/VolumeFacts.h"
#include "naming/OffloadPlanner.h"
#include "support/NetworkShare.h"
#include "support/ScratchMount.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

enum class Drive { exfat, smb };

class DestinationNamesTest : public ::testing::TestWithParam<Drive> {};

// Card names an exFAT drive or an SMB share refuses or folds together are planned as names it
// holds, and the offload of that plan lands every file on its planned name.
TEST_P(DestinationNamesTest, PlanHoldsEveryCardNameAndItsOffloadCopiesAll) {
    TempDir dir;
    QString whyNot;
    std::unique_ptr<ScratchMount> mount;
    std::unique_ptr<NetworkShare> share;
    if (GetParam() == Drive::exfat) {
        mount = ScratchMount::exfatImage(dir.path(), 32 * 1024 * 1024, &whyNot);
        if (!mount || !mount->mount(dir("drive"), ScratchMount::Driver::fuse, &whyNot))
            GTEST_SKIP() << whyNot.toStdString();
    } else {
        share = NetworkShare::start(NetworkShare::Kind::smb, dir("share"), &whyNot);
        if (!share)
            GTEST_SKIP() << whyNot.toStdString();
    }
    const QString drive = mount ? mount->path() : share->mountPoint();

    const DestinationNameRules rules = DestinationNames::rules(
        {drive + "/not/made/yet", dir("elsewhere")}, VolumeFacts::platform());
    ASSERT_TRUE(rules.caseInsensitive && rules.refusesWindowsCharacters &&
                rules.dropsTrailingDotsAndSpaces);

    const QStringList names = {"A:1.MP4", "B?.MP4",   "C*.MP4",   "D\"E.MP4", "F<G>.MP4",
                               "H|I.MP4", "CLIP.MP4", "clip.mp4", "TAKE.",    "TAKE.."};
    QList<Clip> files;
    for (const QString& name : names) {
        Clip clip = clipAt("CARD/" + name);
        clip.url = fileNames::encode(writeFile(dir("card/CARD/" + name), name.toUtf8()));
        clip.size = name.toUtf8().size();
        files.append(clip);
    }
    const auto naming = NamingTemplates::make("{date}", "{original}");
    ASSERT_TRUE(naming);
    OffloadJob job;
    job.plan =
        OffloadPlanner::plan(files, *naming, {}, FileRules::standard(),
                             OffloadPlanner::diskLister(std::optional<QString>(drive)), rules);
    QStringList planned;
    for (const PlannedFile& file : job.plan)
        planned.append(file.relativePath());
    EXPECT_EQ(planned, (QStringList{"2026-10-25/MP4/A-1.mp4", "2026-10-25/MP4/B-.mp4",
                                    "2026-10-25/MP4/C-.mp4", "2026-10-25/MP4/CLIP.mp4",
                                    "2026-10-25/MP4/D-E.mp4", "2026-10-25/MP4/F-G-.mp4",
                                    "2026-10-25/MP4/H-I.mp4", "2026-10-25/TAKE",
                                    "2026-10-25/TAKE_2", "2026-10-25/MP4/clip_2.mp4"}));

    job.destination = drive;
    job.startedAt = QDateTime::currentDateTimeUtc();
    const OffloadSummary summary = Offloader::run(job, {}, {});
    EXPECT_EQ(summary.copied, names.size()) << summary.failures.join('\n').toStdString();
    EXPECT_EQ(summary.failed, 0);
    for (const PlannedFile& file : job.plan)
        EXPECT_EQ(readFile(drive + '/' + file.relativePath()), file.clip.fileName().toUtf8())
            << file.relativePath().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Drives, DestinationNamesTest, ::testing::Values(Drive::exfat, Drive::smb),
                         [](const ::testing::TestParamInfo<Drive>& info) {
                             return std::string(info.param == Drive::exfat ? "exfat" : "smb");
                         });

} // namespace
