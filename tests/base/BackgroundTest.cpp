#include "base/Background.h"

#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <semaphore>
#include <utility>

using namespace stowly;
using namespace std::chrono_literals;

namespace {

// Blocks until a stop is requested, or gives up after a while so a fault fails the test
// instead of hanging it; tells whether it saw the stop.
bool waitForStop(std::stop_token stop) {
    std::mutex mutex;
    std::condition_variable_any never;
    std::unique_lock lock(mutex);
    never.wait_for(lock, stop, 10s, [] { return false; });
    return stop.stop_requested();
}

// Lets the work end and delivers whatever it posted.
void settle() {
    background::waitForDone();
    QCoreApplication::sendPostedEvents();
}

} // namespace

TEST(BackgroundTest, WorksOffTheOwnersThreadAndDeliversOnIt) {
    QObject here;
    QThread elsewhere;
    elsewhere.start();
    auto* away = new QObject;
    away->moveToThread(&elsewhere);

    QThread* deliveredHere = nullptr;
    QThread* workedOn = nullptr;
    std::atomic<QThread*> deliveredAway = nullptr;
    background::run(
        &here, [] { return QThread::currentThread(); },
        [&](QThread* worker) {
            workedOn = worker;
            deliveredHere = QThread::currentThread();
        });
    background::run(
        away, [] { return 0; }, [&](int) { deliveredAway = QThread::currentThread(); });

    ASSERT_TRUE(test::spinUntil([&] { return deliveredHere && deliveredAway; }));
    EXPECT_NE(workedOn, QThread::currentThread());
    EXPECT_EQ(deliveredHere, QThread::currentThread());
    EXPECT_EQ(deliveredAway.load(), &elsewhere);
    elsewhere.quit();
    elsewhere.wait();
    delete away;
}

// A gone owner and a requested stop both end a task the same way: the work sees the stop and the
// result is dropped, also when it is already on its way.
TEST(BackgroundTest, AGoneOwnerOrAStopDropsTheResultAndStopsTheWork) {
    enum class End { ownerGone, stopped };
    for (const End end : {End::ownerGone, End::stopped}) {
        SCOPED_TRACE(end == End::ownerGone ? "owner gone" : "stopped");
        auto* owner = new QObject;
        int delivered = 0;
        const auto finish = [&](std::stop_source& task) {
            if (end == End::ownerGone)
                delete std::exchange(owner, new QObject);
            else
                task.request_stop();
        };

        std::atomic<bool> sawStop = false;
        std::binary_semaphore started(0);
        std::stop_source task = background::run(
            owner,
            [&](std::stop_token stop) {
                started.release();
                return sawStop = waitForStop(stop);
            },
            [&](bool) { ++delivered; });
        started.acquire();
        finish(task);
        settle();
        EXPECT_TRUE(sawStop);

        task = background::run(
            owner, [] { return 1; }, [&](int) { ++delivered; });
        background::waitForDone();
        finish(task);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(delivered, 0);
        delete owner;
    }
}

TEST(BackgroundTest, ManyTasksAllDeliverOnce) {
    QObject owner;
    constexpr int tasks = 500;
    int delivered = 0;
    qint64 sum = 0;
    for (int i = 1; i <= tasks; ++i)
        background::run(
            &owner, [i] { return i; },
            [&](int value) {
                ++delivered;
                sum += value;
            });
    ASSERT_TRUE(test::spinUntil([&] { return delivered == tasks; }));
    settle();
    EXPECT_EQ(delivered, tasks);
    EXPECT_EQ(sum, qint64(tasks) * (tasks + 1) / 2);
}

TEST(BackgroundTest, ForEachRunsEveryCallAtMostWidthAtATime) {
    constexpr int width = 3;
    QThreadPool pool;
    pool.setMaxThreadCount(8);
    std::mutex mutex;
    std::condition_variable changed;
    int running = 0;
    int peak = 0;
    int started = 0;
    QList<qsizetype> seen;
    background::forEach(
        20, width,
        [&](qsizetype index) {
            std::unique_lock lock(mutex);
            peak = std::max(peak, ++running);
            seen.append(index);
            // The first calls wait for one another, which only a full window lets them do.
            if (++started <= width) {
                changed.notify_all();
                changed.wait_for(lock, 10s, [&] { return started >= width; });
            }
            --running;
        },
        pool);
    EXPECT_EQ(peak, width);
    std::sort(seen.begin(), seen.end());
    ASSERT_EQ(seen.size(), 20);
    for (qsizetype i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], i);
}

TEST(BackgroundTest, ForEachFinishesWhenThePoolHasNoThreadFree) {
    QThreadPool pool;
    pool.setMaxThreadCount(1);
    std::binary_semaphore release(0);
    pool.start([&] { release.acquire(); });
    std::atomic<int> calls = 0;
    background::forEach(
        5, 4, [&](qsizetype) { ++calls; }, pool);
    EXPECT_EQ(calls, 5);
    release.release();
    pool.waitForDone();
}
