#include "diagnostics/Redactor.h"

#include "Printing.h"

#include <gtest/gtest.h>

using namespace stowly;

namespace {

const Redactor redactor(QStringLiteral("/home/me"), QStringLiteral("/tmp"));

} // namespace

TEST(RedactorTest, EveryPathOfACopyLineGoes) {
    EXPECT_EQ(redactor.redact(
                  QStringLiteral("Copied /Volumes/CARD/DCIM/100/A001.MOV to /Users/me/Footage/x")),
              "Copied <path> to <path>");
    EXPECT_EQ(redactor.redact(QStringLiteral(
                  "Copied /media/me/EOS_DIGITAL/DCIM/100CANON/IMG 0001.CR3 to /home/me/Footage/x")),
              "Copied <path> to <path>");
    EXPECT_EQ(redactor.redact(QStringLiteral("Card /run/media/me/My Card /media/other")),
              "Card <path> <path>");
}

TEST(RedactorTest, PathEndsAtPunctuationAndKeepsTheRest) {
    EXPECT_EQ(redactor.redact(QStringLiteral("/Volumes/SSD/a, 3 files")), "<path>, 3 files");
    EXPECT_EQ(redactor.redact(QStringLiteral("Mounted: /media/me/CARD (exfat); ok")),
              "Mounted: <path> (exfat); ok");
    EXPECT_EQ(redactor.redact(QStringLiteral("open \"/mnt/nas/Client X/a.mov\" failed")),
              "open \"<path>\" failed");
    EXPECT_EQ(redactor.redact(QStringLiteral("[/var/tmp/x] and ['/tmp/y']")),
              "[<path>] and ['<path>']");
}

TEST(RedactorTest, NamesWithSpacesGoWhole) {
    // Nothing of "Wedding of Anna" may survive, though it holds spaces and short words.
    EXPECT_EQ(redactor.redact(QStringLiteral("Card already there at launch: /media/me/Wedding "
                                             "of Anna (selected, no prompt)")),
              "Card already there at launch: <path> (selected, no prompt)");
    EXPECT_EQ(redactor.redact(QStringLiteral("/media/me/A 001/B 002")), "<path>");
    // A joining word inside a name does not split it; only one right before a path does.
    EXPECT_EQ(redactor.redact(QStringLiteral("from /media/me/Party at home /home/me/x")),
              "from <path> <path>");
    EXPECT_EQ(redactor.redact(QStringLiteral("/media/me/Trip to Rome and /media/me/B")),
              "<path> and <path>");
}

TEST(RedactorTest, HomeFolderBecomesTildeFirst) {
    EXPECT_EQ(redactor.redact(QStringLiteral("Destination /home/me")), "Destination ~");
    EXPECT_EQ(redactor.redact(QStringLiteral("Destination /home/me/Footage/Job, ready")),
              "Destination <path>, ready");
    // A custom home outside the usual roots is still caught.
    const Redactor elsewhere(QStringLiteral("/data/users/me"), QStringLiteral("/tmp"));
    EXPECT_EQ(elsewhere.redact(QStringLiteral("to /data/users/me/Projects/Secret Film")),
              "to <path>");
    // Only the whole folder name counts: another user's folder is not turned into "~…".
    EXPECT_EQ(redactor.redact(QStringLiteral("from /home/meg/clip.mov")), "from <path>");
    EXPECT_EQ(elsewhere.redact(QStringLiteral("from /data/users/meg/x")), "from /data/users/meg/x");
}

TEST(RedactorTest, EveryPrivateRootIsCovered) {
    for (const QString& root : Redactor::privateRoots()) {
        const QString line = QStringLiteral("x /") + root + QStringLiteral("/Some Name/f.mov");
        EXPECT_EQ(redactor.redact(line), "x <path>") << root.toStdString();
    }
    EXPECT_TRUE(Redactor::privateRoots().contains(QStringLiteral("media")));
    EXPECT_TRUE(Redactor::privateRoots().contains(QStringLiteral("home")));
    EXPECT_EQ(redactor.redact(QStringLiteral("x /run/media/me/CARD/a")), "x <path>");
}

TEST(RedactorTest, OwnTemporaryFolderIsCovered) {
    const Redactor custom(QStringLiteral("/home/me"), QStringLiteral("/scratch/tmp"));
    EXPECT_EQ(custom.redact(QStringLiteral("report in /scratch/tmp/Stowly Bug Report/x")),
              "report in <path>");
    EXPECT_EQ(custom.redact(QStringLiteral("/tmp/a")), "<path>");
}

TEST(RedactorTest, LeavesOtherTextAlone) {
    for (const char* text :
         {"Stowly 0.1.0 (42), Linux 6.1.0-18-amd64 (Debian GNU/Linux 12) launched",
          "Copied 3/5 files", "see https://stowly.app/tip", "/dev/sdb1 formatted as exFAT",
          "/varnish/x", "~user", "", "/Volumes"}) {
        EXPECT_EQ(redactor.redact(QString::fromUtf8(text)), QString::fromUtf8(text)) << text;
    }
}

TEST(RedactorTest, RedactsEachLineOfLongerText) {
    EXPECT_EQ(redactor.redact(QStringLiteral("a /media/x/y\nb /home/me/z\n")),
              "a <path>\nb <path>\n");
}

TEST(RedactorTest, HomeOfOneCharacterIsIgnored) {
    const Redactor root(QStringLiteral("/"), QStringLiteral("/tmp"));
    EXPECT_EQ(root.redact(QStringLiteral("/srv/x and /media/a")), "/srv/x and <path>");
}
