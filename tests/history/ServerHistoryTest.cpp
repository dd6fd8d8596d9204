#include "history/ServerHistory.h"
#include "history/HistorySender.h"
#include "history/ServerAddress.h"
#include "support/PostgresServer.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

HistoryEntry copyOf(const QString& card, int n) {
    HistoryEntry e;
    e.sourceKey = QStringLiteral("%1|DCIM/IMG_%2.JPG|%3|1700000000").arg(card).arg(n).arg(1000 + n);
    e.cardName = QStringLiteral("EOS_DIGITAL");
    e.sourceRelativePath = QStringLiteral("DCIM/IMG_%1.JPG").arg(n);
    e.destinationPath = QStringLiteral("/footage/%1/IMG_%2.JPG").arg(card).arg(n);
    e.size = 1000 + n;
    e.sha256 = QString(64, QChar(u'a' + n % 6));
    e.offloadedAt = QDateTime::fromSecsSinceEpoch(1765000000 + n, Qt::UTC);
    return e;
}

TEST(ServerAddressTest, ReadsBothFormsAndNeverTakesAPassword) {
    QString error;
    const auto keywords = ServerAddress::parse(
        QStringLiteral("host=db.studio port=6543 dbname='ingest db' user=cart2 sslmode=require"),
        &error);
    ASSERT_TRUE(keywords) << error.toStdString();
    EXPECT_EQ(keywords->host, "db.studio");
    EXPECT_EQ(keywords->port, 6543);
    EXPECT_EQ(keywords->database, "ingest db");
    EXPECT_EQ(keywords->user, "cart2");
    // A silent server must not hold a scan for libpq's default of forever.
    EXPECT_EQ(keywords->options, "sslmode=require;connect_timeout=3");

    const auto uri =
        ServerAddress::parse(QStringLiteral("postgresql://cart2@db.studio:6543/stowly"), &error);
    ASSERT_TRUE(uri) << error.toStdString();
    EXPECT_EQ(uri->key(), "cart2@db.studio:6543/stowly");

    for (const QString& clear : {QStringLiteral("host=db password=secret"),
                                 QStringLiteral("postgresql://a:secret@db/x")}) {
        EXPECT_FALSE(ServerAddress::parse(clear, &error)) << clear.toStdString();
        EXPECT_TRUE(error.contains("password")) << error.toStdString();
    }
    for (const QString& wrong :
         {QStringLiteral("dbname=stowly"), QStringLiteral("host=db port=x"),
          QStringLiteral("host=db dbname='open"), QStringLiteral("host=db options=a;b"),
          QStringLiteral("db.studio")})
        EXPECT_FALSE(ServerAddress::parse(wrong, &error)) << wrong.toStdString();
}

class ServerHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString why;
        m_postgres = PostgresServer::start(&why);
        if (!m_postgres)
            GTEST_SKIP() << why.toStdString();
    }

    std::shared_ptr<ServerHistory> station(const QString& name) const {
        QString error;
        const auto address = ServerAddress::parse(m_postgres->connectionString(), &error);
        return std::make_shared<ServerHistory>(*address, name);
    }
    QString rows(const QString& where = QStringLiteral("true")) const {
        return m_postgres->query(QStringLiteral("SELECT count(*) FROM stowly_copies WHERE ") +
                                 where);
    }

    std::unique_ptr<PostgresServer> m_postgres;
};

TEST_F(ServerHistoryTest, KeepsEachStationsCopyOnceAndFindsACardsCopiesOfEveryStation) {
    const auto a = station(QStringLiteral("cart-a"));
    const auto b = station(QStringLiteral("cart-b"));
    QString error;
    EXPECT_EQ(a->record({copyOf("CARD", 1), copyOf("CARD", 2)}, &error), 2) << error.toStdString();
    // Written again, as after a station stopped between its write and the answer.
    EXPECT_EQ(a->record({copyOf("CARD", 1)}, &error), 0);
    EXPECT_EQ(b->record({copyOf("CARD", 1), copyOf("CARDX", 1)}, &error), 2);
    EXPECT_EQ(rows(), "4");

    const auto card = a->cardRecords(QStringLiteral("CARD"), &error);
    ASSERT_TRUE(card) << error.toStdString();
    ASSERT_EQ(card->size(), 3) << "a card's key is its identity and a bar, not a prefix of it";
    EXPECT_EQ(card->at(0).station, "cart-a");
    HistoryEntry back = card->at(0);
    back.station.clear();
    EXPECT_EQ(back, copyOf("CARD", 1));

    const auto others = a->otherStationsRecords(QStringLiteral("CARD"), &error);
    ASSERT_TRUE(others);
    ASSERT_EQ(others->size(), 1);
    EXPECT_EQ(others->first().station, "cart-b");
    EXPECT_EQ(a->stationRecords(QStringLiteral("cart-b"), &error)->size(), 2);

    ServerHistory::Link link(*a);
    QSet<QByteArray> ids{ServerHistory::identity(copyOf("CARD", 1), QStringLiteral("cart-a")),
                         ServerHistory::identity(copyOf("CARD", 2), QStringLiteral("cart-a"))};
    EXPECT_EQ(link.digest(QStringLiteral("cart-a"), &error), ServerHistory::digestOf(ids));
    EXPECT_EQ(link.forgetCard(QStringLiteral("cart-a"), QStringLiteral("CARD"), &error), 2);
    EXPECT_EQ(rows(), "2");
}

TEST_F(ServerHistoryTest, MakesItsTablesOnceAndLeavesANewerStowlysAlone) {
    const auto a = station(QStringLiteral("cart-a"));
    QString error;
    ASSERT_TRUE(a->record({copyOf("CARD", 1)}, &error)) << error.toStdString();
    ASSERT_TRUE(station(QStringLiteral("cart-b"))->record({copyOf("CARD", 2)}, &error));
    EXPECT_EQ(m_postgres->query(QStringLiteral("SELECT version FROM stowly_schema")), "1");

    // A station started after a newer Stowly changed the tables.
    m_postgres->query(QStringLiteral("UPDATE stowly_schema SET version = 2"));
    EXPECT_FALSE(station(QStringLiteral("cart-a"))->record({copyOf("CARD", 3)}, &error));
    EXPECT_TRUE(error.contains("newer Stowly")) << error.toStdString();
    EXPECT_EQ(rows(), "2");
}

// The server stops while copies are recorded: the sender says so, drops nothing the history
// holds, and once the server is back sends exactly what it lacks.
TEST_F(ServerHistoryTest, SenderSendsWhatTheServerMissedOnceItIsBack) {
    const auto a = station(QStringLiteral("cart-a"));
    HistorySender sender(a, std::chrono::milliseconds(100));
    QSignalSpy back(&sender, &HistorySender::backOnline);
    sender.send(copyOf("CARD", 1));
    ASSERT_TRUE(sender.waitUntilSent(std::chrono::seconds(20)));
    EXPECT_EQ(sender.isReachable(), true);
    EXPECT_EQ(rows(), "1");

    QString why;
    ASSERT_TRUE(m_postgres->stop(&why)) << why.toStdString();
    sender.send(copyOf("CARD", 2));
    sender.waitUntilSent(std::chrono::seconds(20));
    EXPECT_EQ(sender.isReachable(), false);
    ASSERT_TRUE(sender.problem());
    EXPECT_TRUE(sender.problem()->contains("Couldn’t reach the history server"))
        << sender.problem()->toStdString();

    ASSERT_TRUE(m_postgres->startAgain(&why)) << why.toStdString();
    ASSERT_TRUE(back.wait(20000));
    EXPECT_EQ(sender.isReachable(), true);
    HistoryRecords local;
    for (int n : {1, 2, 2, 3})
        local.append(copyOf("CARD", n));
    sender.catchUp(local);
    ASSERT_TRUE(sender.waitUntilSent(std::chrono::seconds(20)));
    EXPECT_EQ(rows(), "3");
    EXPECT_EQ(sender.lastCaughtUp(), 2);
    // Nothing to send the second time: the brief comparison says so.
    sender.catchUp(local);
    ASSERT_TRUE(sender.waitUntilSent(std::chrono::seconds(20)));
    EXPECT_EQ(sender.lastCaughtUp(), 0);
    EXPECT_EQ(rows(), "3");
}

} // namespace
} // namespace stowly::test
