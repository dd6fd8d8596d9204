// A card is untrusted input: the names on it reach people's terminals only as visible text.

#include "cli/CliHarness.h"
#include "cli/TerminalText.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

// Any control character but the line break, UTF-8 encoded C1 and bidirectional controls
// included.
bool reachesTerminalAsCommand(const QByteArray& bytes) {
    static const QRegularExpression control(QStringLiteral(
        "[\\x00-\\x09\\x0b-\\x1f\\x7f-\\x9f\\x{61c}\\x{200e}\\x{200f}\\x{202a}-\\x{202e}"
        "\\x{2066}-\\x{2069}]"));
    return QString::fromUtf8(bytes).contains(control);
}

TEST(TerminalOutputTest, NamesFromACardAreEscapedForPeopleAndExactInJson) {
    const QString colour = QStringLiteral("DCIM/IMG\x1b[31mRED\x1b[0m.JPG");
    const QString lines = QStringLiteral("DCIM/TWO\nLINES\t\u009b2J.JPG");
    // Shown as it is stored, this would read "DCIM/clipexe.mp4".
    const QString reversed = QStringLiteral("DCIM/clip\u202e4pm.exe\u2066\u2069");
    EXPECT_EQ(TerminalText::name(colour), "DCIM/IMG\\e[31mRED\\e[0m.JPG");
    EXPECT_EQ(TerminalText::name(lines), "DCIM/TWO\\nLINES\\t\\x9b2J.JPG");
    EXPECT_EQ(TerminalText::name(reversed), "DCIM/clip\\u202e4pm.exe\\u2066\\u2069");
    EXPECT_EQ(TerminalText::lines(u"One\nTwo\x7f"), "One\nTwo\\x7f");

    Cli cli;
    TempDir card;
    TempDir destination;
    writeFile(card(colour), "red");
    writeFile(card(lines), "two");
    writeFile(card(reversed), "exe");
    const QStringList run{card.path(), "--to", destination.path(), "--project", "Shoot"};

    const CliResult scan = cli.run(QStringList{"scan"} + run);
    ASSERT_EQ(scan.status, 0) << scan.errText().toStdString();
    EXPECT_TRUE(scan.outText().contains("  " + TerminalText::name(colour) + "  "));
    EXPECT_TRUE(scan.outText().contains("  " + TerminalText::name(lines) + "  "));
    EXPECT_TRUE(scan.outText().contains("  " + TerminalText::name(reversed) + "  "));
    EXPECT_TRUE(scan.outText().contains("\nTo copy: 3 files")) << "the program's own lines stay";
    EXPECT_EQ(paths(cli.run(QStringList{"scan", "--json"} + run).object()["new"].toArray()),
              QStringList({colour, lines, reversed}));

    const CliResult plan = cli.run(QStringList{"plan"} + run);
    ASSERT_EQ(plan.status, 0) << plan.errText().toStdString();
    EXPECT_TRUE(plan.outText().contains("  " + TerminalText::name(colour) + " → "));

    const CliResult offload = cli.run(QStringList{"offload"} + run);
    ASSERT_EQ(offload.status, 0) << offload.errText().toStdString();
    EXPECT_TRUE(offload.errText().contains(TerminalText::name(lines)));

    const CliResult history = cli.run({"history"});
    EXPECT_TRUE(history.outText().contains(TerminalText::name(colour)));
    QStringList recorded;
    for (const QJsonValue& entry : cli.run({"history", "--json"}).array())
        recorded << entry.toObject()["sourceRelativePath"].toString();
    recorded.sort();
    EXPECT_EQ(recorded, QStringList({colour, lines, reversed}));

    for (const CliResult* result : {&scan, &plan, &offload, &history}) {
        EXPECT_FALSE(reachesTerminalAsCommand(result->out)) << result->out.toStdString();
        EXPECT_FALSE(reachesTerminalAsCommand(result->err)) << result->err.toStdString();
    }
}

} // namespace
} // namespace stowly::test
