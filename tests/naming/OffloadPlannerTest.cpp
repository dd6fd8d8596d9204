#include "naming/OffloadPlanner.h"
#include "naming/PlanLayout.h"
#include "support/Printing.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace stowly;
using test::clipAt;

namespace {

const NamingContext coastline{"Coastline", "FX3", "A7SIII"};

// A destination held in memory that counts how often each folder is listed.
struct FakeDestination {
    QHash<QString, QStringList> folders;
    QHash<QString, int> calls;

    OffloadPlanner::Lister lister() {
        return [this](const QString& folder) {
            ++calls[folder];
            return folders.value(folder);
        };
    }
};

QStringList paths(const QList<PlannedFile>& plan) {
    QStringList list;
    for (const PlannedFile& file : plan)
        list.append(file.relativePath());
    return list;
}

QList<PlannedFile> plan(const QList<Clip>& files, FakeDestination& destination,
                        const NamingTemplates& naming = NamingTemplates::standard(),
                        const NamingContext& context = coastline) {
    return OffloadPlanner::plan(files, naming, context, FileRules::standard(),
                                destination.lister());
}

NamingTemplates templates(const QString& folder, const QString& file) {
    return *NamingTemplates::make(folder, file);
}

} // namespace

TEST(OffloadPlannerTest, ClipWithMetadataAndAudio) {
    FakeDestination empty;
    const auto result =
        plan({clipAt("PRIVATE/M4ROOT/CLIP/C0001.WAV"), clipAt("PRIVATE/M4ROOT/CLIP/C0001M01.XML"),
              clipAt("PRIVATE/M4ROOT/CLIP/C0001.MP4")},
             empty);
    EXPECT_EQ(paths(result), QStringList({
                                 "2026-10-25/Coastline/MP4/2026-10-25_Coastline_0001.mp4",
                                 "2026-10-25/Coastline/WAV/2026-10-25_Coastline_0001.wav",
                                 "2026-10-25/Coastline/Sidecars/2026-10-25_Coastline_0001M01.xml",
                             }));
    ASSERT_EQ(result.size(), 3);
    EXPECT_FALSE(result[0].sidecarOf);
    // Audio under the clip's name stays a main file, in its own type folder.
    EXPECT_EQ(result[1].role, FileRole::main);
    EXPECT_EQ(result[1].sidecarOf, "C0001.MP4");
    EXPECT_EQ(result[2].role, FileRole::sidecar);
    EXPECT_EQ(PlanLayout::folders(result),
              QStringList({"2026-10-25/Coastline/MP4", "2026-10-25/Coastline/WAV",
                           "2026-10-25/Coastline/Sidecars"}));
}

TEST(OffloadPlannerTest, SequenceContinuesAfterExistingNames) {
    FakeDestination destination;
    destination.folders["2026-10-25/Coastline"] = {"2026-10-25_coastline_0007.MOV",
                                                   "2026-10-25_Coastline_0003",
                                                   "2026-10-25_Coastline_0044x.mp4"};
    destination.folders["2026-10-25/Coastline/MP4"] = {"2026-10-25_Coastline_0001.mp4"};
    auto result = plan({clipAt("C0001.MP4")}, destination);
    EXPECT_EQ(result[0].fileName, "2026-10-25_Coastline_0008.mp4");

    // An unfinished copy counts, in any of the type folders this plan uses.
    destination.folders["2026-10-25/Coastline/ARW"] = {
        "2026-10-25_Coastline_0011.arw.stowly-partial"};
    result = plan({clipAt("C0001.MP4"), clipAt("DSC00012.ARW", QDate(2026, 10, 25), QTime(13, 0))},
                  destination);
    EXPECT_EQ(paths(result),
              QStringList({"2026-10-25/Coastline/MP4/2026-10-25_Coastline_0012.mp4",
                           "2026-10-25/Coastline/ARW/2026-10-25_Coastline_0013.arw"}));
}

TEST(OffloadPlannerTest, OneCounterAcrossTypeFoldersAndJpegSpellings) {
    FakeDestination empty;
    const auto result = plan({clipAt("C0001.MP4", QDate(2026, 10, 25), QTime(10, 0)),
                              clipAt("DSC00012.ARW", QDate(2026, 10, 25), QTime(11, 0)),
                              clipAt("IMG1.jpeg", QDate(2026, 10, 25), QTime(12, 0)),
                              clipAt("IMG2.JPG", QDate(2026, 10, 25), QTime(13, 0)),
                              clipAt("C0002.MP4", QDate(2026, 10, 26), QTime(10, 0))},
                             empty);
    EXPECT_EQ(paths(result), QStringList({
                                 "2026-10-25/Coastline/MP4/2026-10-25_Coastline_0001.mp4",
                                 "2026-10-25/Coastline/ARW/2026-10-25_Coastline_0002.arw",
                                 "2026-10-25/Coastline/JPG/2026-10-25_Coastline_0003.jpeg",
                                 "2026-10-25/Coastline/JPG/2026-10-25_Coastline_0004.jpg",
                                 "2026-10-26/Coastline/MP4/2026-10-26_Coastline_0001.mp4",
                             }));
}

TEST(OffloadPlannerTest, NamesWithoutNumberGetSuffixesAndCompanionsFollow) {
    FakeDestination destination;
    destination.folders["MP4"] = {"2026-10-25_COASTLINE.MP4"};
    const auto result =
        plan({clipAt("A/C0001.MP4", QDate(2026, 10, 25), QTime(10, 0)), clipAt("A/C0001.XML"),
              clipAt("A/c0001.xml"), clipAt("A/C0002.MP4", QDate(2026, 10, 25), QTime(11, 0))},
             destination, templates("", "{date}_{project}"));
    EXPECT_EQ(
        paths(result),
        QStringList({"MP4/2026-10-25_Coastline_2.mp4", "Sidecars/2026-10-25_Coastline_2.xml",
                     "Sidecars/2026-10-25_Coastline_2_2.xml", "MP4/2026-10-25_Coastline_3.mp4"}));
}

TEST(OffloadPlannerTest, LoneProxiesAndSidecarsKeepTheirNames) {
    FakeDestination empty;
    const auto result =
        plan({clipAt("DCIM/GL010005.LRV"), clipAt("DCIM/NOTE.XML"), clipAt("DCIM/README")}, empty);
    EXPECT_EQ(paths(result), QStringList({"2026-10-25/Coastline/Proxies/GL010005.lrv",
                                          "2026-10-25/Coastline/Sidecars/NOTE.xml",
                                          "2026-10-25/Coastline/2026-10-25_Coastline_0001"}));
    EXPECT_EQ(result[0].role, FileRole::proxy);
    EXPECT_FALSE(result[2].sortFolder);
    // Characters no name may hold are replaced in the extension too.
    EXPECT_EQ(paths(plan({clipAt("C0001.M:P4")}, empty, templates("", "{original}"))),
              QStringList{"M-P4/C0001.m-p4"});
}

TEST(OffloadPlannerTest, ShootFoldersDifferingInCaseAreOneFolder) {
    FakeDestination destination;
    destination.folders["CLIP/MP4"] = {"CLIP.mp4"};
    const auto result = plan({clipAt("A/CLIP.MP4", QDate(2026, 10, 25), QTime(10, 0)),
                              clipAt("B/clip.mp4", QDate(2026, 10, 25), QTime(11, 0))},
                             destination, templates("{original}", "{original}"));
    EXPECT_EQ(paths(result), QStringList({"CLIP/MP4/CLIP_2.mp4", "CLIP/MP4/clip_3.mp4"}));
    EXPECT_EQ(destination.calls.value("CLIP/MP4"), 1);
    EXPECT_FALSE(destination.calls.contains("clip/MP4"));
}

TEST(OffloadPlannerTest, HighestSequence) {
    const QStringList names{"Day_0009.mp4",      "day_0012.MOV", "Day_0100x.mp4",
                            "Day_1234567891234", "Day_.mp4",     "Night_0500.mp4"};
    EXPECT_EQ(OffloadPlanner::highestSequence(names, "DAY_", "", true), 123456789);
    EXPECT_EQ(OffloadPlanner::highestSequence(names.mid(0, 3), "Day_", "", true), 12);
    // With per-file text after the number, anything after the fixed part fits.
    EXPECT_EQ(OffloadPlanner::highestSequence(names.mid(0, 3), "Day_", "", false), 100);
    EXPECT_EQ(
        OffloadPlanner::highestSequence({"A_0004_FX3.mp4", "A_0009_FX6.mp4"}, "A_", "_fx3", true),
        4);
}

TEST(OffloadPlannerTest, DiskListerReadsEachFolderOnce) {
    test::TempDir root;
    test::writeFile(root("Shoot/MP4/A.mp4"));
    test::writeFile(root("Shoot/MP4/B.mp4.stowly-partial"));
    // A name that is not UTF-8 is still seen, decoded losslessly.
    const QByteArray odd = QFile::encodeName(root("Shoot/MP4/")) + "\xff.mp4";
    const int fd = ::open(odd.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);

    const auto lister = OffloadPlanner::diskLister(root.path());
    QStringList names = lister("Shoot/MP4");
    names.sort();
    EXPECT_EQ(names, QStringList({"%FF.mp4", "A.mp4", "B.mp4.stowly-partial"}));
    EXPECT_EQ(lister(""), QStringList{"Shoot"});
    EXPECT_TRUE(lister("Missing").isEmpty());

    // The cache keeps what was read for the lister's life; a new lister reads again.
    test::writeFile(root("Shoot/MP4/C.mp4"));
    test::writeFile(root("Missing/x"));
    EXPECT_EQ(lister("Shoot/MP4").size(), 3);
    EXPECT_TRUE(lister("Missing").isEmpty());
    EXPECT_EQ(OffloadPlanner::diskLister(root.path())("Shoot/MP4").size(), 4);
    EXPECT_TRUE(OffloadPlanner::diskLister(std::nullopt)("Shoot/MP4").isEmpty());
    // The temporary folder cannot remove a name it cannot decode.
    ::unlink(odd.constData());
}

// A name too long in bytes for the file system gives up text in front of its number, never
// the number; with a "_N", its extension and the partial-copy suffix it still fits 255 bytes.
TEST(OffloadPlannerTest, LongMultiByteNamesKeepTheirNumberWithinTheByteLimit) {
    FakeDestination empty;
    const QString seventy = QString::fromUtf8("東").repeated(70);
    const QString eighty = QString::fromUtf8("日").repeated(80);
    const QString ascii(170, u'a');
    const auto result = plan({clipAt(seventy + ".jpg", QDate(2026, 10, 25), QTime(10, 0)),
                              clipAt(eighty + ".jpg", QDate(2026, 10, 25), QTime(11, 0)),
                              clipAt(ascii + ".jpg", QDate(2026, 10, 25), QTime(12, 0))},
                             empty, templates("", "{original}_{seq}"));
    ASSERT_EQ(result.size(), 3);
    EXPECT_EQ(result[0].fileName, seventy + "_0001.jpg");
    EXPECT_EQ(result[2].fileName, ascii + "_0001.jpg");
    const QString cut = result[1].fileName;
    EXPECT_TRUE(cut.endsWith("_0001.jpg")) << cut.toStdString();
    EXPECT_TRUE(eighty.startsWith(cut.chopped(9))) << cut.toStdString();
    for (const PlannedFile& file : result)
        EXPECT_LE((file.fileName + "_99.stowly-partial").toUtf8().size(), 255);

    // A number the length limit cut off falls back to suffixes.
    const NamingContext longProject{QString(200, u'p'), "", ""};
    const auto cutOff = plan({clipAt("C0001.MP4", QDate(2026, 10, 25), QTime(10, 0)),
                              clipAt("C0002.MP4", QDate(2026, 10, 25), QTime(11, 0))},
                             empty, templates("", "{project}_{seq}"), longProject);
    EXPECT_EQ(cutOff[0].fileName, QString(180, u'p') + ".mp4");
    EXPECT_EQ(cutOff[1].fileName, QString(180, u'p') + "_2.mp4");
}
