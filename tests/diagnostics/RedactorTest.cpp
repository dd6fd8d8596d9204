#include "diagnostics/Redactor.h"

#include "support/Printing.h"

#include <gtest/gtest.h>

using namespace stowly;

namespace {

const Redactor redactor(QStringLiteral("/home/me"), QStringLiteral("/tmp"));

void expectRedacted(const Redactor& r, const char* line, const char* expected) {
    EXPECT_EQ(r.redact(QString::fromUtf8(line)), QString::fromUtf8(expected)) << line;
}

} // namespace

TEST(RedactorTest, PathsGoUpToPunctuationHomeBecomesTildeAndOtherTextStays) {
    expectRedacted(redactor, "Copied /Volumes/CARD/DCIM/100/A001.MOV to /Users/me/Footage/x",
                   "Copied <path> to <path>");
    expectRedacted(redactor, "Card already there at launch: /media/me/Wedding of Anna (selected)",
                   "Card already there at launch: <path> (selected)");
    expectRedacted(redactor, "from /run/media/me/Party at home /media/x", "from <path> <path>");
    expectRedacted(redactor, "open \"/var/tmp/x\"; ['/tmp/y']", "open \"<path>\"; ['<path>']");
    expectRedacted(redactor, "a /media/x/y\nb /home/me/z", "a <path>\nb <path>");

    expectRedacted(redactor, "Destination /home/me", "Destination ~");
    expectRedacted(redactor, "to /home/me/Footage/Job, ready", "to <path>, ready");
    expectRedacted(redactor, "from /home/meg/clip.mov", "from <path>");
    const Redactor elsewhere(QStringLiteral("/data/users/me"), QStringLiteral("/scratch/tmp"));
    expectRedacted(elsewhere, "to /data/users/me/Secret Film", "to <path>");
    expectRedacted(elsewhere, "in /scratch/tmp/Stowly Bug Report/x", "in <path>");
    const Redactor rootHome(QStringLiteral("/"), QStringLiteral("/tmp"));
    expectRedacted(rootHome, "/srv/x and /media/a", "/srv/x and <path>");

    for (const QString& root : Redactor::privateRoots())
        EXPECT_EQ(redactor.redact("x /" + root + "/Some Name/f.mov"), "x <path>")
            << root.toStdString();
    // Card and file names stand in quotation marks in Stowly's own sentences.
    expectRedacted(redactor, "Posted the notification “A7SIII connected”",
                   "Posted the notification “<name>”");
    expectRedacted(redactor, "“DSC00003.ARW” and “B” failed", "“<name>” and “<name>” failed");
    expectRedacted(redactor, "unclosed “A7SIII", "unclosed “<name>");

    for (const char* text :
         {"Stowly 0.1.0 (42), Linux 6.1.0 (Debian GNU/Linux 12) launched", "Copied 3/5 files",
          "see https://stowly.app/tip", "/dev/sdb1 formatted", "/varnish/x", "/Volumes"})
        expectRedacted(redactor, text, text);
}
