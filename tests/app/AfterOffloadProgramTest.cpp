// The program run after each card's offload, as real processes: it reads the offload as JSON,
// and however it ends (an error, or hanging past its limit) the copies, the history and the
// result stand; only the summary says it failed.

#include "app/model/AppModel.h"
#include "app/settings/AppSettings.h"
#include "session/OffloadSession.h"
#include "support/AppModelWorld.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

TEST(AfterOffloadProgramTest, ItReadsEachOffloadAndItsFailuresChangeNothingElse) {
    World w;
    AppModel& m = *w.model;
    TempDir scratch;
    const QString received = scratch("received.json");
    const QString script = writeFile(scratch("after.sh"), "#!/bin/sh\ncat > \"$1\"\necho told\n");
    QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    m.settings().setValue(setting::afterOffloadProgram, script + " \"" + received + "\"");
    const CardVolume card = w.insertCard("A7SIII", {{"DCIM/A.JPG", "a"}, {"DCIM/B.JPG", "bb"}});
    ASSERT_TRUE(w.waitForSession());
    m.session()->setProjectInput("P");
    m.startOffload();
    ASSERT_TRUE(w.waitForOffload());
    ASSERT_TRUE(spinUntil([&] { return !m.isRunningAfterwards(); }));
    const QJsonObject told = QJsonDocument::fromJson(readFile(received)).object();
    EXPECT_EQ(told["card"], "A7SIII");
    EXPECT_EQ(told["identity"], card.volumeIdentity());
    EXPECT_EQ(told["destinations"].toArray(), QJsonArray({w.destination.path()}));
    EXPECT_EQ(told["copied"], 2);
    EXPECT_EQ(told["failed"], 0);
    EXPECT_FALSE(told["startedAt"].toString().isEmpty());
    EXPECT_FALSE(told["endedAt"].toString().isEmpty());
    EXPECT_FALSE(m.session()->summary()->afterwardsFailed);

    // A program that fails, and one that hangs past its limit: the run's result stands.
    m.setAfterwardsLimit(std::chrono::milliseconds(300));
    const struct {
        QString command;
        QString says;
    } failing[] = {{"/bin/sh -c \"exit 3\"", "“/bin/sh” ended with status 3."},
                   {"sleep 30", "“sleep” was still running after 0 seconds and was stopped."},
                   {scratch("missing"), "couldn’t be started"}};
    for (const auto& program : failing) {
        m.settings().setValue(setting::afterOffloadProgram, program.command);
        m.finishSession();
        const CardVolume next = w.insertCard("CARD_" + QString::number(qHash(program.command)),
                                             {{"DCIM/C.JPG", "c"}, {"DCIM/D.JPG", "dd"}});
        m.select(next, false);
        ASSERT_TRUE(w.waitForSession());
        m.session()->setProjectInput("P");
        m.startOffload();
        ASSERT_TRUE(w.waitForOffload());
        ASSERT_TRUE(spinUntil([&] { return !m.isRunningAfterwards(); }, 10'000));
        const OffloadSummary summary = *m.session()->summary();
        ASSERT_TRUE(summary.afterwardsFailed) << program.command.toStdString();
        EXPECT_TRUE(summary.afterwardsFailed->contains(program.says))
            << summary.afterwardsFailed->toStdString();
        EXPECT_EQ(summary.copied, 2);
        EXPECT_EQ(summary.failed, 0);
        EXPECT_EQ(m.history().entryCount(next.volumeIdentity()), 2);
    }
}
