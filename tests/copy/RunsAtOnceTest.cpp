// Offloads of several cards at once, each on a thread of its own, into the same folders.
#include "CopyTestSupport.h"
#include "copy/Offloader.h"
#include "support/Printing.h"

#include <QSet>

#include <gtest/gtest.h>

#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <thread>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr int filesPerCard = 12;

// Holds the first partial file each run makes until the other run makes its own, or a second
// has passed: runs that chose the same name then collide at the create.
class CreateTogether {
public:
    FolderCalls calls(bool refuseLocks) {
        FolderCalls calls = FolderCalls::system();
        calls.openAt = [this, open = calls.openAt](int folder, const char* name, int flags,
                                                   mode_t mode) {
            if ((flags & O_CREAT) && QByteArray(name).endsWith(".stowly-partial"))
                meet();
            return open(folder, name, flags, mode);
        };
        // As on a file system without locks.
        if (refuseLocks)
            calls.lock = [](int, int) {
                errno = ENOLCK;
                return -1;
            };
        return calls;
    }

private:
    void meet() {
        std::unique_lock lock(m_mutex);
        if (m_arrived >= 2)
            return;
        ++m_arrived;
        m_met.notify_all();
        m_met.wait_for(lock, std::chrono::seconds(1), [&] { return m_arrived >= 2; });
    }
    std::mutex m_mutex;
    std::condition_variable m_met;
    int m_arrived = 0;
};

struct Setup {
    const char* name;
    bool refuseLocks;
    // The second run has the first one's backup as its destination and the other way round.
    bool crossed;
};

void PrintTo(const Setup& setup, std::ostream* out) {
    *out << setup.name;
}

class RunsAtOnceTest : public ::testing::TestWithParam<Setup> {};

TEST_P(RunsAtOnceTest, RunsIntoOneFolderNeverTakeTheSameName) {
    TempDir dir;
    QDir().mkpath(dir("main"));
    QDir().mkpath(dir("backup"));
    CreateTogether together;
    const FolderCalls calls = together.calls(GetParam().refuseLocks);
    OffloadJob jobs[2];
    for (int card = 0; card < 2; ++card) {
        OffloadJob& job = jobs[card];
        job.card = CardVolume{dir(QString("card%1").arg(card)), "CARD", std::nullopt};
        job.destination = dir(card == 1 && GetParam().crossed ? "backup" : "main");
        if (GetParam().crossed)
            job.backups = {dir(card == 1 ? "main" : "backup")};
        for (int i = 0; i < filesPerCard; ++i) {
            const QString relative = QString("DCIM/C%1.MP4").arg(i, 4, 10, QChar('0'));
            job.plan.append(plannedCopy(job.card.url, relative,
                                        patternBytes(20000 + i, card * 100 + i), "Day",
                                        relative.mid(5)));
        }
    }
    OffloadSummary summaries[2];
    QList<HistoryEntry> entries[2];
    {
        std::vector<std::jthread> threads;
        for (int card = 0; card < 2; ++card)
            threads.emplace_back([&, card] {
                summaries[card] = Offloader::run(
                    jobs[card], {},
                    [&, card](const HistoryEntry& e, const QString&,
                              const QMap<QString, QString>&) { entries[card] << e; },
                    {}, nullptr, calls);
            });
    }

    const int copiesPerCard = filesPerCard * (GetParam().crossed ? 2 : 1);
    QSet<QString> paths;
    for (int card = 0; card < 2; ++card) {
        EXPECT_EQ(summaries[card].failures, QStringList());
        ASSERT_EQ(entries[card].size(), copiesPerCard);
        for (const HistoryEntry& entry : entries[card]) {
            paths.insert(entry.destinationPath);
            EXPECT_EQ(readFile(entry.destinationPath),
                      readFile(jobs[card].card.url + '/' + entry.sourceRelativePath));
        }
    }
    EXPECT_EQ(paths.size(), 2 * copiesPerCard);
    // Nothing else is left among the copies: no partial file, no lock.
    EXPECT_EQ(namesIn(dir("main/Day")).size(), 2 * filesPerCard);
    // With backups, each file's copies share one name.
    if (GetParam().crossed) {
        EXPECT_EQ(namesIn(dir("main/Day")), namesIn(dir("backup/Day")));
    }
}

INSTANTIATE_TEST_SUITE_P(Locks, RunsAtOnceTest,
                         ::testing::Values(Setup{"FolderLocked", false, false},
                                           Setup{"WithoutLocks", true, false},
                                           Setup{"CrossedBackups", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
