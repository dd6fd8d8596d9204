#include "cli/CliHarness.h"

#include <QDir>
#include <QSet>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

// Two offloads at once into one history and one folder, as the desktop app and the command line
// may run: the cards' files have the same names, yet every copy gets a name of its own, both
// append to the journal, each folds it at its end, and no record of either is lost.
TEST(SharedHistoryTest, TwoProcessesOffloadingAtOnceIntoOneFolderKeepEveryCopyAndRecord) {
    Cli cli;
    TempDir cards;
    TempDir destination;
    const QStringList names{"CARD_A", "CARD_B"};
    for (const QString& name : names)
        for (int i = 0; i < 40; ++i)
            writeFile(cards(name + QStringLiteral("/DCIM/IMG_%1.JPG").arg(i)),
                      QByteArray(20000 + i, char(name.back().unicode() + i % 20)));
    std::vector<std::unique_ptr<QProcess>> runs;
    for (const QString& name : names)
        runs.push_back(cli.start(
            {"offload", cards(name), "--to", destination.path(), "--quick-dump", "--json"}));
    for (const auto& run : runs) {
        ASSERT_TRUE(run->waitForFinished(60000));
        const QByteArray out = run->readAllStandardOutput();
        EXPECT_EQ(run->exitCode(), 0)
            << out.toStdString() << run->readAllStandardError().toStdString();
        const QJsonObject result = QJsonDocument::fromJson(out).object();
        EXPECT_EQ(result["failures"].toArray(), QJsonArray());
        // Each run reports its own copies, whatever the other wrote into the history meanwhile.
        EXPECT_EQ(result["files"].toArray().size(), 40);
    }

    const CliResult history = cli.run({"history", "--json"});
    ASSERT_EQ(history.status, 0);
    QSet<QString> keys;
    QSet<QString> copies;
    for (const QJsonValue& value : history.array()) {
        const QJsonObject entry = value.toObject();
        keys.insert(entry["sourceKey"].toString());
        copies.insert(entry["destinationPath"].toString());
        const QString card = entry["sourceKey"].toString().section('|', 0, 0);
        EXPECT_EQ(readFile(entry["destinationPath"].toString()),
                  readFile(cards(card + '/' + entry["sourceRelativePath"].toString())));
    }
    EXPECT_EQ(keys.size(), 80);
    EXPECT_EQ(copies.size(), 80);
    EXPECT_EQ(filesBelow(destination.path()).size(), 80);
    // Nothing is left to copy from either card.
    for (const QString& name : names) {
        const CliResult again =
            cli.run({"offload", cards(name), "--to", destination.path(), "--quick-dump", "--json"});
        EXPECT_EQ(again.object()["copied"].toInt(), 0) << again.outText().toStdString();
    }
}

} // namespace
} // namespace stowly::test
