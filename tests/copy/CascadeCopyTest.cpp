// Copies made from a proved copy rather than from the card: each must give the card's digest,
// from its source and from its own read-back, or it is not made.

#include "copy/CascadeCopy.h"
#include "copy/CopyTestSupport.h"
#include "copy/Xxh128.h"
#include "support/ScratchMount.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr qint64 MiB = 1 << 20;

// A proved copy at the first destination, and what the card gave for it.
struct FirstCopy {
    TempDir dir;
    QByteArray content = patternBytes(3 * MiB + 17);
    CascadeItem item;

    FirstCopy() {
        item.relativePath = "2026-12-08/Shoot/C0001.MP4";
        item.first.sourceKey = "CARD-ID\u0000DCIM/100/C0001.MP4";
        item.first.cardName = "A7SIII";
        item.first.sourceRelativePath = "DCIM/100/C0001.MP4";
        item.first.destinationPath = writeFile(dir("first/" + item.relativePath), content);
        item.first.sha256 = sha256Text(content);
        item.first.size = content.size();
        Xxh128 xxh;
        xxh.update(content.constData(), content.size());
        item.xxh128 = Copier::hexString(xxh.finish());
    }
    QList<CascadeResult> copy(CopyJournal* journal = nullptr) {
        return CascadeCopy::copy(
            item, [](qint64) {}, {}, journal);
    }
};

// What a copy notes down, in order: "copying <target>", "verifying <target>", "dropped <target>".
struct NoteList : CopyJournal {
    QStringList notes;
    std::optional<QString> copying(const QString& destination, const QString&) override {
        notes << "copying " + destination;
        return std::nullopt;
    }
    std::optional<QString> verifying(const HistoryEntry& entry) override {
        notes << "verifying " + entry.destinationPath;
        return std::nullopt;
    }
    std::optional<QString> dropped(const QString& destination) override {
        notes << "dropped " + destination;
        return std::nullopt;
    }
};

QStringList partialsBelow(const QString& folder) {
    QStringList partials;
    for (const QString& file : filesBelow(folder))
        if (file.endsWith(".stowly-partial"))
            partials << file;
    return partials;
}

} // namespace

// Two backups from one read of the first copy: the one on a full drive fails alone.
TEST(CascadeCopyTest, EachBackupIsProvedAgainstTheCardAndAFullOneFailsAlone) {
    FirstCopy first;
    QString whyNot;
    const auto small = ScratchMount::tmpfs(first.dir("small"), 1 * MiB, &whyNot);
    if (!small)
        GTEST_SKIP() << whyNot.toStdString();
    first.item.roots = {first.dir("big"), first.dir("small")};
    NoteList journal;
    const QList<CascadeResult> results = first.copy(&journal);
    ASSERT_EQ(results.size(), 2);
    ASSERT_TRUE(results[0].result) << results[0].result.failure().description.toStdString();
    EXPECT_EQ(results[0].result.digest(), first.item.first.sha256);
    EXPECT_EQ(results[0].target, first.dir("big/" + first.item.relativePath));
    EXPECT_EQ(readFile(results[0].target), first.content);
    ASSERT_FALSE(results[1].result);
    EXPECT_EQ(results[1].result.failure().systemError, ENOSPC);
    EXPECT_TRUE(partialsBelow(first.dir("small")).isEmpty());
    // Noted as the card's copies are, so that a kill leaves nothing the next start can't settle.
    const QString big = results[0].target, full = results[1].target;
    EXPECT_EQ(journal.notes, QStringList({"copying " + big, "copying " + full, "verifying " + big,
                                          "dropped " + full}));

    // Picked up again after the copy was made but not recorded: it counts, and is not rewritten.
    const qint64 madeAt = modificationSeconds(results[0].target);
    first.item.roots = {first.dir("big")};
    const QList<CascadeResult> again = first.copy();
    ASSERT_TRUE(again[0].result);
    EXPECT_EQ(modificationSeconds(results[0].target), madeAt);
}

// A first copy damaged since it was proved (one byte), or a file with other bytes already where
// a backup goes: nothing is made, nothing is replaced.
TEST(CascadeCopyTest, ADamagedFirstCopyIsNeverCascaded) {
    FirstCopy first;
    first.item.roots = {first.dir("b1"), first.dir("b2")};
    QByteArray damaged = first.content;
    damaged[damaged.size() / 2] = char(damaged[damaged.size() / 2] ^ 0x01);
    writeFile(first.item.first.destinationPath, damaged);
    for (const CascadeResult& result : first.copy()) {
        ASSERT_FALSE(result.result);
        EXPECT_EQ(result.result.failure().kind, CopyFailure::Kind::sourceReadDiffers);
        EXPECT_TRUE(result.result.failure().description.contains("copy it from the card again"));
    }
    EXPECT_TRUE(filesBelow(first.dir("b1")).isEmpty());
    EXPECT_TRUE(filesBelow(first.dir("b2")).isEmpty());

    // The SHA-256 is whole, but the card's XXH3-128 is not this file's.
    writeFile(first.item.first.destinationPath, first.content);
    first.item.xxh128 = QString(32, u'0');
    EXPECT_EQ(first.copy()[0].result.failure().kind, CopyFailure::Kind::sourceReadDiffers);

    const QString taken = writeFile(first.dir("b1/" + first.item.relativePath), "someone else's");
    first.item.xxh128.clear();
    const QList<CascadeResult> results = first.copy();
    EXPECT_EQ(results[0].result.failure().kind, CopyFailure::Kind::destinationExists);
    EXPECT_EQ(readFile(taken), "someone else's");
    EXPECT_TRUE(results[1].result);
}
