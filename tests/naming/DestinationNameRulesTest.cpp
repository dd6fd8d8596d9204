#include "naming/DestinationNameRules.h"
#include "naming/OffloadPlanner.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;

namespace {

enum class Kind { native, exfat, windows, foldingCase };

DestinationNameRules expected(Kind kind) {
    DestinationNameRules rules;
    if (kind == Kind::foldingCase)
        rules.caseInsensitive = true;
    if (kind == Kind::exfat || kind == Kind::windows) {
        rules = {true, true, true, kind == Kind::windows, 0, 255};
    }
    return rules;
}

TEST(DestinationNameRulesTest, EachFileSystemTypeHasItsRules) {
    const QList<std::pair<QString, Kind>> table = {
        {"ext4", Kind::native},
        {"btrfs", Kind::native},
        {"xfs", Kind::native},
        {"tmpfs", Kind::native},
        {"fuse.sshfs", Kind::native},
        {"", Kind::native},
        {"exfat", Kind::exfat},
        {"vfat", Kind::windows},
        {"msdos", Kind::windows},
        {"fuse.fusefat", Kind::windows},
        {"ntfs3", Kind::windows},
        {"NTFS", Kind::windows},
        // exfat-fuse and ntfs-3g both mount as "fuseblk": the stricter NTFS rules hold.
        {"fuseblk", Kind::windows},
        {"cifs", Kind::windows},
        {"smb3", Kind::windows},
        {"fuse.smbnetfs", Kind::windows},
        {"fuse.rclone", Kind::windows},
        {"fuse.somethingelse", Kind::windows},
        {"hfsplus", Kind::foldingCase}};
    for (const auto& [type, kind] : table)
        EXPECT_EQ(DestinationNameRules::forFileSystem(type), expected(kind)) << type.toStdString();

    // One name goes to every destination, so it must suit the strictest of them.
    EXPECT_EQ(DestinationNameRules::strictest({DestinationNameRules::forFileSystem("ext4"),
                                               DestinationNameRules::forFileSystem("vfat")}),
              (DestinationNameRules{true, true, true, true, 255, 255}));
    EXPECT_EQ(DestinationNameRules::strictest({}), DestinationNameRules());
}

TEST(DestinationNameRulesTest, NamesAreMadeStorableAndStorableOnesKept) {
    const DestinationNameRules fat = DestinationNameRules::forFileSystem("vfat");
    const DestinationNameRules ext4 = DestinationNameRules::forFileSystem("ext4");
    const QList<std::tuple<QString, QString, QString>> table = {
        // name, on FAT, on ext4
        {"a:b?c*d\"e<f>g|h\\i.mp4", "a-b-c-d-e-f-g-h-i.mp4", "a:b?c*d\"e<f>g|h\\i.mp4"},
        {"tab\there", "tab-here", "tab\there"},
        {"a/b", "a-b", "a-b"},
        {"Take 1. .", "Take 1", "Take 1. ."},
        {"...", "Untitled", "..."},
        {"CON", "CON_", "CON"},
        {"con.mp4", "con_.mp4", "con.mp4"},
        {"Aux .tar.gz", "Aux_ .tar.gz", "Aux .tar.gz"},
        {"COM9.wav", "COM9_.wav", "COM9.wav"},
        {"COM0.wav", "COM0.wav", "COM0.wav"},
        {"CONSOLE.mp4", "CONSOLE.mp4", "CONSOLE.mp4"},
        {"NULL", "NULL", "NULL"},
    };
    for (const auto& [name, onFat, onExt4] : table) {
        EXPECT_EQ(fat.safe(name), onFat) << name.toStdString();
        EXPECT_EQ(ext4.safe(name), onExt4) << name.toStdString();
    }

    // FAT counts UTF-16 units, ext4 bytes; a cut keeps whole characters and the extension.
    const QString accented = QString(300, QChar(0xE9)) + ".mov";
    EXPECT_EQ(fat.safe(accented), QString(251, QChar(0xE9)) + ".mov");
    EXPECT_EQ(ext4.safe(accented), QString(125, QChar(0xE9)) + ".mov");
    const QString emoji = QString(130, QChar(u'a')) + QString::fromUtf8("\U0001F3AC").repeated(70);
    EXPECT_EQ(fat.safe(emoji),
              QString(130, QChar(u'a')) + QString::fromUtf8("\U0001F3AC").repeated(62));

    EXPECT_EQ(fat.safeStem("Take.", QString()), "Take");
    EXPECT_EQ(fat.safeStem("prn", "xml"), "prn_");
    EXPECT_EQ(fat.safeStem("Take.", "mp4"), "Take.");
}

TEST(DestinationNameRulesTest, PlanHoldsOnlyNamesAWindowsDestinationCanStore) {
    const auto naming = NamingTemplates::make("{date}/Aux.", "{original}");
    ASSERT_TRUE(naming);
    const QList<Clip> files = {test::clipAt("CLIP/CON.MP4"), test::clipAt("CLIP/TAKE."),
                               test::clipAt("CLIP/TAKE.."), test::clipAt("CLIP/con.xml")};
    const auto paths = [&](const DestinationNameRules& rules) {
        QStringList list;
        for (const PlannedFile& file :
             OffloadPlanner::plan(files, *naming, {}, FileRules::standard(), {}, rules))
            list.append(file.relativePath());
        return list;
    };
    EXPECT_EQ(paths(DestinationNameRules::forFileSystem("ntfs3")),
              (QStringList{"2026-10-25/Aux_/MP4/CON_.mp4", "2026-10-25/Aux_/Sidecars/CON_.xml",
                           "2026-10-25/Aux_/TAKE", "2026-10-25/Aux_/TAKE_2"}));
    EXPECT_EQ(paths({}),
              (QStringList{"2026-10-25/Aux./MP4/CON.mp4", "2026-10-25/Aux./Sidecars/CON.xml",
                           "2026-10-25/Aux./TAKE", "2026-10-25/Aux./TAKE."}));
}

} // namespace
