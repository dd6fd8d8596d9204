// A destination on a file server that froze: the model must keep answering the window.

#include "support/AppModelWorld.h"
#include "support/NetworkShare.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using namespace stowly;
using namespace stowly::test;

namespace {

// The longest time the event loop went without running a timer due every 5 ms.
class StallMeter {
public:
    StallMeter() {
        m_clock.start();
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.elapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
        m_timer.start();
    }
    qint64 longest() const { return std::max(m_longest, m_clock.elapsed() - m_last); }

private:
    QElapsedTimer m_clock;
    QTimer m_timer;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

TEST(FrozenShareTest, AShareThatStopsAnsweringIsSaidSoWithoutHoldingTheModelUp) {
    TempDir scratch;
    QString whyNot;
    const auto share = NetworkShare::start(NetworkShare::Kind::smb, scratch("share"), &whyNot);
    if (!share)
        GTEST_SKIP() << whyNot.toStdString();
    World w;
    AppModel& m = *w.model;
    const QString footage = share->mountPoint() + "/Footage";
    ASSERT_TRUE(QDir().mkpath(footage));
    m.settings().setValue(setting::destinationPath, footage);
    w.insertCard("CARD", {{"DCIM/A.JPG", "a"}, {"DCIM/B.JPG", "b"}});
    ASSERT_TRUE(w.waitForSession());
    m.session()->setProjectInput("P");
    ASSERT_FALSE(m.offloadBlocker()) << m.offloadBlocker()->text.toStdString();

    share->freezeServer();
    // The client's own memory of the folder runs out first.
    QTest::qWait(2500);
    {
        StallMeter meter;
        m.startOffload();
        m.settings().setValue(setting::destinationPath, footage + "/Day 1");
        m.settings().setValue(setting::destinationPath, footage);
        QTest::qWait(1500);
        EXPECT_LT(meter.longest(), 100);
    }
    ASSERT_TRUE(m.offloadBlocker());
    EXPECT_EQ(m.offloadBlocker()->reason, OffloadBlocker::Reason::destinationNotAnswering);
    EXPECT_EQ(m.offloadBlocker()->text, "The share “footage” on nas isn’t answering");
    EXPECT_FALSE(m.isBusy());

    share->thawServer();
    EXPECT_TRUE(spinUntil([&] { return !m.offloadBlocker(); }, 30000));
}

} // namespace
