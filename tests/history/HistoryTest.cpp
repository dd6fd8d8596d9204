#include "history/History.h"
#include "history/HistoryFile.h"

#include "devices/ProcessRunner.h"
#include "support/ScratchMount.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

// A clock the test moves by hand.
struct StepClock {
    QDateTime now = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);
    std::function<QDateTime()> function() {
        return [this] { return now; };
    }
};

QStringList folderEntries(const QString& path) {
    return QDir(path).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(HistoryTest, FirstAddCreatesFolderAndFileInTheDocumentedFormat) {
    TempDir home;
    const QString path = home("deep/Stowly/ledger.json");
    History ledger(path);
    EXPECT_TRUE(ledger.entries().isEmpty());
    EXPECT_FALSE(ledger.lastError());
    HistoryEntry e =
        copyRecord("U-1|DCIM/C0001.MP4|10|1700000000", "/home/u/Footage/C0001 \"1\".mp4");
    e.cardName = "Card ✓";
    e.offloadedAt = QDateTime::fromMSecsSinceEpoch(1'796'340'389'900, Qt::UTC);
    ledger.add(e, false);
    EXPECT_EQ(readFile(path),
              QByteArray("[{\"cardName\":\"Card ✓\",\"destinationPath\":"
                         "\"\\/home\\/u\\/Footage\\/C0001 \\\"1\\\".mp4\","
                         "\"offloadedAt\":\"2026-12-03T23:26:29Z\",\"sha256\":\"") +
                  QByteArray(64, 'a') +
                  "\",\"size\":10,\"sourceKey\":\"U-1|DCIM\\/C0001.MP4|10|1700000000\","
                  "\"sourceRelativePath\":\"DCIM\\/C0001.MP4\"}]");
    const QStringList files = folderEntries(home("deep/Stowly"));
    ASSERT_EQ(files.size(), 4);
    EXPECT_EQ(files.mid(0, 3),
              QStringList({"ledger.json", "ledger.json.journal", "ledger.json.lock"}));
    // Tells other processes that this one's runs are alive, for as long as its history is open.
    EXPECT_TRUE(files[3].startsWith("ledger.json.run-"));
    // Memory keeps whole seconds too, so the entry equals itself after a reload.
    EXPECT_EQ(History(path).entries().toList(), ledger.entries().toList());
}

TEST(HistoryTest, UnreadableFilesAreSetAsideNeverOverwritten) {
    // How each kind of damage is told apart is the file format's business; any of them sets
    // the file aside.
    const QList<QByteArray> unreadable{"not json", R"([{"cardName":"C"}])"};
    for (const QByteArray& content : unreadable) {
        TempDir home;
        writeFile(home("ledger.json"), content);
        StepClock clock;
        History ledger(home("ledger.json"), clock.function());
        const QString aside = "ledger.json.corrupt-2027-01-15T08-00-00Z";
        EXPECT_TRUE(ledger.entries().isEmpty());
        ASSERT_TRUE(ledger.lastError()) << content.constData();
        EXPECT_TRUE(ledger.lastError()->startsWith("Couldn’t read the ledger ("));
        EXPECT_TRUE(ledger.lastError()->endsWith("). The old file was kept as " + aside + "."))
            << ledger.lastError()->toStdString();
        EXPECT_EQ(readFile(home(aside)), content);
        EXPECT_FALSE(QFileInfo::exists(home("ledger.json")));

        ledger.add(copyRecord("V|A|10|1"), false);
        EXPECT_FALSE(ledger.lastError());
        EXPECT_EQ(History(home("ledger.json")).entries().size(), 1);
        EXPECT_EQ(readFile(home(aside)), content);
    }
}

TEST(HistoryTest, BlocksSavingWhenTheBadFileCannotBeSetAside) {
    TempDir home;
    QDir().mkpath(home("Stowly"));
    writeFile(home("Stowly/ledger.json"), "garbage");
    ReadOnlyFolder readOnly(home("Stowly"));
    if (!readOnly.isActive())
        GTEST_SKIP() << "cannot make a folder read-only here";
    History ledger(home("Stowly/ledger.json"));
    EXPECT_TRUE(ledger.saveBlocked());
    EXPECT_EQ(ledger.lastError(), "Couldn’t read the ledger, and couldn’t set it aside. Stowly "
                                  "won’t overwrite it.");
    ledger.add(copyRecord("V|A|10|1"), false);
    ledger.forgetVolume("V");
    ledger.add(copyRecord("V|B|10|1"), true);
    ledger.saveIfNeeded();
    EXPECT_EQ(ledger.entries().size(), 1);
    EXPECT_EQ(readFile(home("Stowly/ledger.json")), "garbage");
}

TEST(HistoryTest, ReportsASaveFailureAndKeepsTheEntries) {
    TempDir home;
    QDir().mkpath(home("Stowly"));
    StepClock clock;
    History ledger(home("Stowly/ledger.json"), clock.function());
    {
        ReadOnlyFolder readOnly(home("Stowly"));
        if (!readOnly.isActive())
            GTEST_SKIP() << "cannot make a folder read-only here";
        ledger.add(copyRecord("V|A|10|1"), false);
        ASSERT_TRUE(ledger.lastError());
        EXPECT_TRUE(ledger.lastError()->startsWith("Couldn’t save the ledger: "));
        EXPECT_EQ(ledger.entries().size(), 1);
        EXPECT_FALSE(QFileInfo::exists(home("Stowly/ledger.json")));
    }
    // The next save writes the whole list and clears the message.
    clock.now = clock.now.addSecs(1);
    ledger.add(copyRecord("V|B|10|1"), true);
    EXPECT_FALSE(ledger.lastError());
    EXPECT_EQ(History(home("Stowly/ledger.json")).entries().size(), 2);
}

TEST(HistoryTest, ForgetsByVolumeAndByEntryAndIndexesTheLatestEntryByKey) {
    TempDir home;
    History ledger(home("ledger.json"));
    ledger.add(copyRecord("ABC|a|10|1"), false);
    ledger.add(copyRecord("ABCD|b|10|1"), false);
    ledger.add(copyRecord("ABC|c|10|1", "/D/c.mp4"), false);
    EXPECT_EQ(ledger.entryCount("ABC"), 2);
    EXPECT_EQ(ledger.forgetVolume("ABC"), 2);
    EXPECT_EQ(ledger.entries().size(), 1);
    EXPECT_EQ(ledger.entries().at(0).sourceKey, "ABCD|b|10|1");

    // Nothing to remove: the file is not touched.
    QFile::remove(home("ledger.json"));
    EXPECT_EQ(ledger.forgetVolume("XYZ"), 0);
    EXPECT_EQ(ledger.forget(copyRecord("none|x|1|1")), 0);
    EXPECT_FALSE(QFileInfo::exists(home("ledger.json")));
    EXPECT_EQ(ledger.forget(ledger.entries().at(0)), 1);
    EXPECT_TRUE(History(home("ledger.json")).entries().isEmpty());

    ledger.add(copyRecord("V|a|10|1", "/D/first.mp4"), false);
    ledger.add(copyRecord("V|a|10|1", "/D/second.mp4"), false);
    const auto index = ledger.entriesByKey();
    EXPECT_EQ(index.size(), 1);
    ASSERT_TRUE(index.find("V|a|10|1"));
    EXPECT_EQ(index.find("V|a|10|1")->destinationPath, "/D/second.mp4");
    // A snapshot does not change with the history.
    ledger.add(copyRecord("V|b|10|1"), false);
    ledger.forgetVolume("V");
    EXPECT_EQ(index.size(), 1);
    EXPECT_EQ(ledger.entriesByKey().size(), 0);
}

TEST(HistoryTest, TwoProcessesSharingTheFileKeepEachOthersRecords) {
    TempDir home;
    StepClock clock;
    History desktop(home("ledger.json"), clock.function());
    History station(home("ledger.json"), clock.function());
    desktop.add(copyRecord("A|1|10|1"), false);
    station.add(copyRecord("B|1|10|1"), false); // station never read A's entry
    desktop.add(copyRecord("A|2|10|1"), false);
    EXPECT_EQ(History(home("ledger.json")).entries().size(), 3);
    EXPECT_EQ(desktop.entries().size(), 3);

    // A forget applies to what the other process wrote meanwhile, and only to that card.
    station.add(copyRecord("B|2|10|1"), false);
    EXPECT_EQ(desktop.forgetVolume("B"), 1); // it only knew one of B's entries
    const History reloaded(home("ledger.json"));
    EXPECT_EQ(reloaded.entryCount("A"), 2);
    EXPECT_EQ(reloaded.entryCount("B"), 0);
    // A later fold merges the same way.
    station.add(copyRecord("C|1|10|1"), true);
    station.saveIfNeeded();
    EXPECT_EQ(History(home("ledger.json")).entries().size(), 3);
    EXPECT_EQ(station.entryCount("B"), 0);
}

// A record the history could not keep is taken back; a snapshot taken before, read on another
// thread meanwhile, keeps what it saw, at the end of a block of records too.
// A run is told the history does not hold its copy when neither its note nor a save took it.
// A note that failed only at its close is in the journal all the same, and the next fold takes
// it from there: once, even though the failed save had read other records in after it.
TEST(HistoryTest, ARecordThatCouldNotBeKeptIsTakenFromTheJournalOnce) {
    TempDir home;
    QString whyNot;
    const auto disk = ScratchMount::tmpfs(home("Stowly"), 64 * 1024, &whyNot);
    if (!disk)
        GTEST_SKIP() << whyNot.toStdString();
    const QString path = home("Stowly/ledger.json");
    History ledger(path);
    ledger.add(copyRecord("V|before|10|1"), false);
    HistoryJournal journal(path);
    ASSERT_FALSE(journal.append(copyRecord("V|other process|10|1")));
    HistoryEntry mine = copyRecord("V|mine|10|1");
    mine.offloadedAt = mine.offloadedAt.addMSecs(250); // as a run's clock gives it
    ASSERT_FALSE(journal.append(mine));
    {
        QFile filler(home("Stowly/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
        }
        EXPECT_FALSE(ledger.addRecorded(mine, false));
        QFile::remove(filler.fileName());
    }
    const auto countOf = [](const History& history, const QString& key) {
        const QList<HistoryEntry> entries = history.entries().toList();
        return std::count_if(entries.cbegin(), entries.cend(),
                             [&](const HistoryEntry& e) { return e.sourceKey == key; });
    };
    EXPECT_EQ(countOf(ledger, mine.sourceKey), 0) << "not in memory while nothing holds it";
    ledger.add(copyRecord("V|after|10|1"), false);
    EXPECT_FALSE(ledger.lastError());
    EXPECT_EQ(countOf(ledger, mine.sourceKey), 1);
    EXPECT_EQ(countOf(History(path), mine.sourceKey), 1);
    EXPECT_EQ(History(path).entries().size(), 4);
}

TEST(HistoryTest, TakingBackTheLastRecordLeavesSnapshotsAlone) {
    for (const int count : {3, 65537}) {
        HistoryRecords records;
        for (int i = 0; i < count; ++i)
            records.append(copyRecord(QString("V|%1|10|1").arg(i)));
        const HistoryRecords snapshot = records;
        records.removeLast();
        records.append(copyRecord("V|new|10|1"));
        ASSERT_EQ(records.size(), count);
        EXPECT_EQ(records.at(count - 1), copyRecord("V|new|10|1"));
        EXPECT_EQ(records.at(count - 2), copyRecord(QString("V|%1|10|1").arg(count - 2)));
        EXPECT_EQ(snapshot.at(count - 1), copyRecord(QString("V|%1|10|1").arg(count - 1)));
    }
}

// A history on a disk that fails under the read: a loop device that reads its image around the
// cache, and the image cut short beneath the file. Such an error says nothing about the file,
// so it is neither set aside nor overwritten.
TEST(HistoryTest, AFailingDiskIsAReadErrorNotADamagedFile) {
    using namespace std::chrono_literals;
    TempDir folder;
    QString whyNot;
    const auto disk = ScratchMount::ext4Image(folder.path(), 64 << 20, &whyNot);
    if (!disk)
        GTEST_SKIP() << whyNot.toStdString();
    // Read through the cache, the cut part would read as zeros instead of failing.
    if (!ProcessRunner().run("losetup", {"--direct-io=on", disk->device()}, 20s).succeeded())
        GTEST_SKIP() << "the loop device cannot read its image around the cache here";
    if (!disk->mount(folder("disk"), ScratchMount::Driver::kernel, &whyNot))
        GTEST_SKIP() << whyNot.toStdString();
    // More than half the disk, so that part of it lies beyond the cut.
    const QString path = folder("disk/ledger.json");
    HistoryRecords records;
    for (int i = 0; i < 150'000; ++i)
        records.append(
            copyRecord(QString("V|DCIM/%1.JPG|10|1").arg(i), QString("/D/%1.JPG").arg(i)));
    writeFile(path, HistoryFile::encode(records));
    const qint64 size = QFileInfo(path).size();
    ASSERT_GT(size, 36 << 20);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::fdatasync(fd), 0);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
    ASSERT_EQ(::truncate(QFile::encodeName(folder("ext4.img")).constData(), 32 << 20), 0);

    History ledger(path);
    EXPECT_TRUE(ledger.entries().isEmpty());
    EXPECT_EQ(ledger.lastError(),
              "Couldn’t read the ledger (Input/output error). Stowly won’t overwrite it.");
    EXPECT_TRUE(ledger.saveBlocked());
    ledger.add(copyRecord("V|new.JPG|10|1"), false);
    EXPECT_EQ(QFileInfo(path).size(), size);
    EXPECT_TRUE(QDir(folder("disk")).entryList({"*corrupt*"}, QDir::Files).isEmpty());
}

// Read behind a window: empty until read, a record meanwhile kept in the journal and nothing
// forgotten, then the file's entries, or its problem told as for any load.
TEST(HistoryTest, ReadInTheBackgroundTakesOverTheLoadAndItsProblems) {
    TempDir home;
    HistoryRecords records;
    records.append(copyRecord("V|A|10|1"));
    const QByteArray bytes = HistoryFile::encode(records);
    writeFile(home("ledger.json"), bytes);
    History ledger(home("ledger.json"), History::LoadLater{});
    EXPECT_FALSE(ledger.isLoaded());
    ledger.add(copyRecord("V|B|10|1"), false);
    EXPECT_EQ(ledger.forgetVolume("V"), 0);
    EXPECT_TRUE(ledger.entries().isEmpty());
    EXPECT_EQ(readFile(home("ledger.json")), bytes);
    QSignalSpy changed(&ledger, &History::entriesChanged);
    ledger.loadInBackground();
    ASSERT_TRUE(spinUntil([&] { return ledger.isLoaded(); }));
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(ledger.entries().toList(), QList({copyRecord("V|A|10|1"), copyRecord("V|B|10|1")}));
    ledger.add(copyRecord("V|C|10|1"), false);
    EXPECT_EQ(History(home("ledger.json")).entries().size(), 3);

    writeFile(home("ledger.json"), "[{");
    History damaged(home("ledger.json"), History::LoadLater{});
    QSignalSpy problem(&damaged, &History::lastErrorChanged);
    damaged.loadInBackground();
    ASSERT_TRUE(spinUntil([&] { return damaged.isLoaded(); }));
    EXPECT_EQ(problem.size(), 1);
    ASSERT_TRUE(damaged.lastError());
    EXPECT_TRUE(damaged.lastError()->startsWith("Couldn’t read the ledger ("));
    EXPECT_FALSE(QFileInfo::exists(home("ledger.json")));
}
