// The journal beside the history: what a kill or a damaged line leaves, and what the next start
// makes of it.
#include "history/HistoryJournal.h"
#include "copy/Copier.h"
#include "history/History.h"
#include "history/HistoryFile.h"

#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

HistoryEntry entry(const QString& name, const QString& folder = "/D",
                   const QByteArray& content = "content") {
    return copyRecord(
        "V|DCIM/" + name + "|10|1", folder + "/" + name, content.size(),
        QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex()));
}

QStringList names(const History& ledger) {
    QStringList result;
    for (const HistoryEntry& e : ledger.entries())
        result << e.sourceRelativePath.mid(5);
    return result;
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

class HistoryJournalTest : public ::testing::Test {
protected:
    QString history() const { return home("Stowly/ledger.json"); }
    QString journalPath() const { return history() + ".journal"; }
    TempDir home;
};

} // namespace

TEST_F(HistoryJournalTest, ATornLastLineIsIgnoredAndCutBeforeTheNextLine) {
    {
        History ledger(history());
        ledger.add(entry("A"), true);
    }
    QFile file(journalPath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(R"({"op":"recorded","cardName":"CA)"); // killed in the middle of a line
    file.close();

    History ledger(history());
    EXPECT_EQ(names(ledger), QStringList{"A"});
    EXPECT_FALSE(ledger.lastError());
    ledger.add(entry("B"), true);
    const History reloaded(history());
    EXPECT_EQ(names(reloaded), QStringList({"A", "B"}));
    EXPECT_FALSE(reloaded.lastError());
    EXPECT_FALSE(readFile(journalPath()).contains(R"("cardName":"CA{)"));
}

TEST_F(HistoryJournalTest, ADamagedJournalIsSetAsideWithEverythingReadableKept) {
    {
        History ledger(history());
        ledger.add(entry("A"), true);
    }
    QFile file(journalPath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\x01\x02 not a line of ours\n");
    file.write(HistoryJournal::recordLine(entry("B"), {}) + '\n');
    file.close();
    const QByteArray damaged = readFile(journalPath());

    History ledger(history());
    EXPECT_EQ(names(ledger), QStringList({"A", "B"}));
    ASSERT_TRUE(ledger.lastError());
    const QStringList aside = QDir(home("Stowly")).entryList({"ledger.json.journal.corrupt-*"});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(ledger.lastError()->contains(aside[0]));
    EXPECT_EQ(readFile(home("Stowly/" + aside[0])), damaged);
    // What could be read is in the history file now, not only in memory.
    QFile::remove(journalPath());
    EXPECT_EQ(names(History(history())), QStringList({"A", "B"}));
}

TEST_F(HistoryJournalTest, DeferredAddsAreJournaledAndAFoldWritesTheFileButKeepsOpenIntents) {
    History ledger(history());
    const auto run = ledger.journal()->startRun();
    ASSERT_FALSE(run->copying(home("dest/C.MP4"), "V|DCIM/C.MP4|10|1"));
    ledger.add(entry("A"), true);
    ledger.add(entry("B"), true);
    const QByteArray beforeFold = readFile(journalPath());
    EXPECT_TRUE(ledger.hasUnsavedChanges());
    EXPECT_FALSE(QFileInfo::exists(history()));
    // A process that dies now loses nothing: the journal holds both.
    EXPECT_EQ(names(History(history())), QStringList({"A", "B"}));
    ledger.saveIfNeeded();
    EXPECT_FALSE(ledger.hasUnsavedChanges());

    EXPECT_EQ(std::get<HistoryRecords>(HistoryFile::readFile(history()).content).size(), 2);
    const QList<QByteArray> lines = readFile(journalPath()).split('\n');
    ASSERT_EQ(lines.size(), 3); // the header, the open intent, nothing after the last break
    EXPECT_TRUE(lines[1].contains("C.MP4"));

    // Killed after the fold wrote the file and before the journal was cut: its records are not
    // taken twice.
    writeFile(journalPath(), beforeFold);
    EXPECT_EQ(names(History(history())), QStringList({"A", "B"}));
}

TEST_F(HistoryJournalTest, WhatAKilledRunLeftIsSettledAtTheNextStart) {
    QDir().mkpath(home("dest"));
    const HistoryEntry renamed = entry("A.MP4", home("dest"), "verified bytes");
    const HistoryEntry altered = entry("B.MP4", home("dest"), "verified bytes");
    const HistoryEntry unfinished = entry("C.MP4", home("dest"), "verified bytes");
    writeFile(renamed.destinationPath, "verified bytes");
    writeFile(altered.destinationPath, "other  bytes!!"); // same size, other content
    writeFile(Copier::partialPath(unfinished.destinationPath), "verified");
    writeFile(home("dest/L.MP4.stowly-partial"), "still copying");
    {
        const auto journal = std::make_shared<HistoryJournal>(history());
        const auto killed = journal->startRun();
        for (const HistoryEntry& e : {renamed, altered, unfinished}) {
            ASSERT_FALSE(killed->copying(e.destinationPath, e.sourceKey));
            ASSERT_FALSE(killed->verifying(e));
        }
        // The run's lock goes with it, as it goes with a killed process.
    }
    writeFile(history() + ".run-killed-between-two-files");
    const auto journal = std::make_shared<HistoryJournal>(history());
    const auto alive = journal->startRun();
    ASSERT_FALSE(alive->copying(home("dest/L.MP4"), "V|DCIM/L.MP4|10|1"));
    // A run that ended without settling its note (its last line failed) is its process's to
    // settle: the process lives, and the copy may be its next run's.
    writeFile(home("dest/M.MP4.stowly-partial"), "still copying");
    ASSERT_FALSE(journal->startRun()->copying(home("dest/M.MP4"), "V|DCIM/M.MP4|10|1"));

    History ledger(history());
    EXPECT_EQ(ledger.entries().toList(), QList<HistoryEntry>{renamed});
    EXPECT_EQ(readFile(altered.destinationPath), "other  bytes!!");
    EXPECT_EQ(filesIn(home("dest")),
              QStringList({"A.MP4", "B.MP4", "L.MP4.stowly-partial", "M.MP4.stowly-partial"}));
    // Settled once: the next start neither records nor examines them again.
    const History again(history());
    EXPECT_EQ(again.entries().toList(), QList<HistoryEntry>{renamed});
    EXPECT_TRUE(readFile(journalPath()).contains("L.MP4"));
    // Only those still running: this process's journals.
    EXPECT_FALSE(journal->runsOnDisk().contains("killed-between-two-files"));
    EXPECT_EQ(journal->runsOnDisk().size(), 3);
}

// A fold takes the journal's records into the file; a record a run noted there but has not
// handed to the history yet would then come in twice.
TEST_F(HistoryJournalTest, AFoldWaitsForARecordOnItsWayFromARun) {
    History ledger(history());
    const auto run = ledger.journal()->startRun();
    ASSERT_FALSE(run->recorded(entry("A")));
    ledger.add(entry("B"), false);
    EXPECT_TRUE(ledger.hasUnsavedChanges());

    run->taken();
    EXPECT_TRUE(ledger.addRecorded(entry("A"), true));
    EXPECT_FALSE(ledger.hasUnsavedChanges());
    EXPECT_EQ(names(ledger), QStringList({"B", "A"}));
    EXPECT_EQ(names(History(history())), QStringList({"B", "A"}));
}
