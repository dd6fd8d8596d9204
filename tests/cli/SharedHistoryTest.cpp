#include "cli/CliHarness.h"

#include <QDir>
#include <QSet>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

// Two offloads at once into one history, as the desktop app and the command line may run: both
// append to the journal, each folds it at its end, and no record of either is lost.
TEST(SharedHistoryTest, TwoProcessesOffloadingAtOnceKeepEveryRecord) {
    Cli cli;
    TempDir cards;
    TempDir destination;
    for (const QString& name : {QStringLiteral("CARD_A"), QStringLiteral("CARD_B")})
        for (int i = 0; i < 40; ++i) {
            QDir().mkpath(destination(name));
            writeFile(cards(name + QStringLiteral("/DCIM/IMG_%1.JPG").arg(i)),
                      QByteArray(20000 + i, char('a' + i % 26)));
        }
    std::vector<std::unique_ptr<QProcess>> runs;
    for (const QString& name : {QStringLiteral("CARD_A"), QStringLiteral("CARD_B")})
        runs.push_back(cli.start(
            {"offload", cards(name), "--to", destination.path() + "/" + name, "--quick-dump"}));
    for (const auto& run : runs) {
        ASSERT_TRUE(run->waitForFinished(60000));
        EXPECT_EQ(run->exitCode(), 0) << run->readAllStandardOutput().toStdString();
    }

    const CliResult history = cli.run({"history", "--json"});
    ASSERT_EQ(history.status, 0);
    QSet<QString> keys;
    for (const QJsonValue& entry : history.array())
        keys.insert(entry.toObject()["sourceKey"].toString());
    EXPECT_EQ(history.array().size(), 80);
    EXPECT_EQ(keys.size(), 80);
    // Nothing is left to copy from either card.
    for (const QString& name : {QStringLiteral("CARD_A"), QStringLiteral("CARD_B")}) {
        const CliResult again =
            cli.run({"offload", cards(name), "--to", destination.path() + "/" + name,
                     "--quick-dump", "--json"});
        EXPECT_EQ(again.object()["copied"].toInt(), 0) << again.outText().toStdString();
    }
}

} // namespace
} // namespace stowly::test
