#include "Printers.h"

#include "devices/ProcessRunner.h"

#include <QThread>

#include <gtest/gtest.h>

using namespace stowly;
using namespace std::chrono_literals;

TEST(ProcessRunnerTest, ReturnsStatusOutputAndDecodedErrorsOnAnyThread) {
    ProcessRunner runner;
    const CommandResult r = runner.run("sh", {"-c", "echo out; printf 'bad \\377\\n' >&2; exit 3"});
    EXPECT_EQ(r.status, 3);
    EXPECT_FALSE(r.failure || r.succeeded());
    EXPECT_EQ(r.output, "out\n");
    EXPECT_EQ(r.trimmedError(), QString("bad \uFFFD"));
    // Arguments reach the program as they are, with no shell between.
    EXPECT_EQ(runner.run("printf", {"%s|", "a b", "$HOME", "*"}).output, "a b|$HOME|*|");

    // On a worker thread, which has no event loop.
    CommandResult onWorker;
    std::unique_ptr<QThread> worker(
        QThread::create([&] { onWorker = ProcessRunner().run("echo", {"hi"}); }));
    worker->start();
    ASSERT_TRUE(worker->wait(30000));
    EXPECT_EQ(onWorker.output, "hi\n");
}

TEST(ProcessRunnerTest, ReportsProgramsThatCannotRunOrDoNotFinish) {
    ProcessRunner runner;
    EXPECT_EQ(runner.run("stowly-no-such-program", {}).failure,
              "The program “stowly-no-such-program” wasn’t found.");
    EXPECT_EQ(runner.run("sleep", {"30"}, 200ms).failure, "It didn’t finish within a second.");
    EXPECT_EQ(runner.run("sh", {"-c", "kill -SEGV $$"}).failure, "It stopped unexpectedly.");

    // mkfs and blkid live in sbin folders that an ordinary user's PATH often lacks.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/usr/bin:/bin");
    EXPECT_FALSE(ProcessRunner::findProgram("blkid").isEmpty());
    qputenv("PATH", path);
}
