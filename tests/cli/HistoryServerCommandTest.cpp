#include "cli/CliHarness.h"
#include "support/PostgresServer.h"

#include <QDir>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

// Two stations, each with a home of its own, sharing one history on a real PostgreSQL server.
class HistoryServerCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString why;
        m_postgres = PostgresServer::start(&why);
        if (!m_postgres)
            GTEST_SKIP() << why.toStdString();
        for (auto [cli, name] : {std::pair{&a, "cart-a"}, std::pair{&b, "cart-b"}}) {
            ASSERT_EQ(
                cli->run({"settings", "historyServer", m_postgres->connectionString()}).status, 0);
            ASSERT_EQ(cli->run({"settings", "stationName", name}).status, 0);
        }
    }

    QString card(const QString& name) {
        const QString folder = m_cards(name);
        for (int i = 1; i <= 3; ++i)
            writeFile(folder + QStringLiteral("/DCIM/100TEST/%1_%2.JPG").arg(name).arg(i),
                      QByteArray(1000 * i, char('a' + i)) + name.toUtf8());
        return folder;
    }
    QString rows(const QString& where = QStringLiteral("true")) const {
        return m_postgres->query(QStringLiteral("SELECT count(*) FROM stowly_copies WHERE ") +
                                 where);
    }
    static QJsonObject scan(const Cli& cli, const QString& card, const QString& destination) {
        const CliResult result = cli.run({"scan", card, "--to", destination, "--json"});
        EXPECT_EQ(result.status, 0) << result.errText().toStdString();
        return result.object();
    }

    std::unique_ptr<PostgresServer> m_postgres;
    Cli a;
    Cli b;
    TempDir m_cards;
    TempDir m_shared;
    TempDir m_elsewhere;
};

TEST_F(HistoryServerCommandTest, ACardOffloadedAtOneStationIsOffloadedAtTheOther) {
    const QString eos = card("EOS");
    const CliResult offload =
        a.run({"offload", eos, "--to", m_shared.path(), "--quick-dump", "--json"});
    ASSERT_EQ(offload.status, 0) << offload.errText().toStdString();
    EXPECT_FALSE(offload.object().contains("historyServerProblem"));
    EXPECT_EQ(rows("station = 'cart-a'"), "3");

    QJsonObject atB = scan(b, eos, m_elsewhere.path());
    EXPECT_EQ(atB["offloaded"].toArray().size(), 3);
    EXPECT_EQ(atB["new"].toArray().size(), 0);
    EXPECT_EQ(atB["uncheckedHere"].toArray().size(), 0) << "the shared folder is seen here too";
    EXPECT_TRUE(atB["readyToErase"].toBool());
    // Nothing to copy at B: its offload copies none.
    const CliResult again =
        b.run({"offload", eos, "--to", m_elsewhere.path(), "--quick-dump", "--json"});
    EXPECT_EQ(again.object()["copied"].toInt(), 0) << again.outText().toStdString();

    const CliResult history = b.run({"history", "--json"});
    ASSERT_EQ(history.status, 0) << history.errText().toStdString();
    ASSERT_EQ(history.array().size(), 3);
    EXPECT_EQ(history.array().first().toObject()["station"].toString(), "cart-a");
    EXPECT_EQ(b.run({"history", "--station", "cart-b", "--json"}).array().size(), 0);
    EXPECT_TRUE(b.run({"history", "--station", "cart-a"}).outText().contains("at cart-a"));

    // A's copies go where B can't see them (A's own drive): offloaded, not checked at B, and
    // B erases the card only when it trusts the other stations.
    ASSERT_TRUE(QDir().rename(m_shared.path(), m_shared.path() + ".cart-a"));
    atB = scan(b, eos, m_elsewhere.path());
    EXPECT_EQ(atB["offloaded"].toArray().size(), 3);
    EXPECT_EQ(atB["uncheckedHere"].toArray().size(), 3);
    EXPECT_FALSE(atB["readyToErase"].toBool());
    EXPECT_TRUE(b.run({"scan", eos, "--to", m_elsewhere.path()})
                    .outText()
                    .contains("3 files offloaded by another station"));
    ASSERT_EQ(b.run({"settings", "trustOtherStations", "true"}).status, 0);
    atB = scan(b, eos, m_elsewhere.path());
    EXPECT_EQ(atB["uncheckedHere"].toArray().size(), 0);
    EXPECT_TRUE(atB["readyToErase"].toBool());
    ASSERT_TRUE(QDir().rename(m_shared.path() + ".cart-a", m_shared.path()));
}

// The server stops in the middle of A's day: A offloads on its local history and says the
// server is away; B sees those copies once the server is back and A has sent them, each once.
TEST_F(HistoryServerCommandTest, CopiesMadeWhileTheServerIsAwayReachItOnceItIsBack) {
    const QString first = card("FIRST");
    const QString second = card("SECOND");
    ASSERT_EQ(a.run({"offload", first, "--to", m_shared.path(), "--quick-dump"}).status, 0);

    QString why;
    ASSERT_TRUE(m_postgres->stop(&why)) << why.toStdString();
    const CliResult away =
        a.run({"offload", second, "--to", m_shared.path(), "--quick-dump", "--json"});
    ASSERT_EQ(away.status, 0) << away.errText().toStdString();
    EXPECT_TRUE(away.object()["historyServerProblem"].toString().contains(
        "Couldn’t reach the history server"))
        << away.outText().toStdString();
    EXPECT_EQ(a.run({"history", "--json"}).array().size(), 6) << "A's own history has them all";

    ASSERT_TRUE(m_postgres->startAgain(&why)) << why.toStdString();
    EXPECT_EQ(rows(), "3");
    EXPECT_EQ(scan(b, second, m_elsewhere.path())["new"].toArray().size(), 3);

    // Any run of A's sends what the server lacks; import then finds nothing new.
    const CliResult imported = a.run({"history-server", "import", "--json"});
    ASSERT_EQ(imported.status, 0) << imported.errText().toStdString();
    EXPECT_EQ(imported.object()["copies"].toInt(), 6);
    EXPECT_EQ(imported.object()["added"].toInt(), 0);
    EXPECT_EQ(rows(), "6");
    EXPECT_EQ(m_postgres->query("SELECT count(DISTINCT (source_key, destination_path)) FROM "
                                "stowly_copies"),
              "6");
    EXPECT_EQ(scan(b, second, m_elsewhere.path())["offloaded"].toArray().size(), 3);

    const CliResult status = b.run({"history-server", "status", "--json"});
    ASSERT_EQ(status.status, 0) << status.errText().toStdString();
    EXPECT_EQ(status.object()["stations"].toArray(),
              QJsonArray({QJsonObject{{"name", "cart-a"}, {"copies", 6}}}));

    // A's history written back from the server is A's history.
    const QString exported = m_elsewhere("cart-a.json");
    ASSERT_EQ(b.run({"history-server", "export", "--station", "cart-a", "--out", exported}).status,
              0);
    EXPECT_EQ(QJsonDocument::fromJson(readFile(exported)).array().size(), 6);
    EXPECT_EQ(b.run({"history-server", "export", "--out", exported}).status, 1)
        << "an export never overwrites a file";
}

TEST_F(HistoryServerCommandTest, APasswordIsNeverKeptInTheSettings) {
    const CliResult refused =
        a.run({"settings", "historyServer", m_postgres->connectionString() + " password=secret"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.errText().contains("password")) << refused.errText().toStdString();
    EXPECT_FALSE(readFile(a.home(".config/Stowly/Stowly.conf")).contains("secret"));
}

} // namespace
} // namespace stowly::test
