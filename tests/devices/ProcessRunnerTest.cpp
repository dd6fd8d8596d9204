#include "Printers.h"

#include "devices/ProcessRunner.h"

#include <QThread>

#include <gtest/gtest.h>

using namespace stowly;
using namespace std::chrono_literals;

TEST(ProcessRunnerTest, ReturnsStatusOutputAndDecodedErrors) {
    ProcessRunner runner;
    const CommandResult r =
        runner.run("sh", {"-c", "printf 'out\\n'; printf 'bad \\377 byte\\n' >&2; exit 3"});
    EXPECT_FALSE(r.failure);
    EXPECT_EQ(r.status, 3);
    EXPECT_FALSE(r.succeeded());
    EXPECT_EQ(r.output, "out\n");
    EXPECT_EQ(r.trimmedError(), QString("bad \uFFFD byte"));

    EXPECT_TRUE(runner.run("true", {}).succeeded());
    // Arguments reach the program as they are, with no shell between.
    EXPECT_EQ(runner.run("printf", {"%s|", "a b", "$HOME", "*"}).output, "a b|$HOME|*|");
}

TEST(ProcessRunnerTest, ReportsProgramsThatCannotRunOrDoNotFinish) {
    ProcessRunner runner;
    const CommandResult missing = runner.run("stowly-no-such-program", {});
    EXPECT_EQ(missing.failure, "The program “stowly-no-such-program” wasn’t found.");
    EXPECT_EQ(missing.status, -1);
    EXPECT_FALSE(runner.hasProgram("stowly-no-such-program"));

    const CommandResult hung = runner.run("sleep", {"30"}, 200ms);
    EXPECT_EQ(hung.failure, "It didn’t finish within a second.");
    EXPECT_FALSE(hung.succeeded());

    const CommandResult crashed = runner.run("sh", {"-c", "kill -SEGV $$"});
    EXPECT_EQ(crashed.failure, "It stopped unexpectedly.");
}

TEST(ProcessRunnerTest, FindsSystemProgramsOutsideAShortPath) {
    // mkfs and blkid live in sbin folders an ordinary user's PATH often lacks.
    const QByteArray saved = qgetenv("PATH");
    qputenv("PATH", "/usr/bin:/bin");
    EXPECT_FALSE(ProcessRunner::findProgram("blkid").isEmpty());
    qputenv("PATH", saved);
    EXPECT_EQ(ProcessRunner::findProgram("/bin/sh"), "/bin/sh");
    EXPECT_EQ(ProcessRunner::findProgram("/etc/passwd"), "");
}

TEST(ProcessRunnerTest, RunsOnAWorkerThreadWithoutAnEventLoop) {
    CommandResult result;
    QThread* worker = QThread::create([&] { result = ProcessRunner().run("echo", {"hi"}); });
    worker->start();
    ASSERT_TRUE(worker->wait(30000));
    delete worker;
    EXPECT_TRUE(result.succeeded());
    EXPECT_EQ(result.output, "hi\n");
}
