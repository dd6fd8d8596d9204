// What a cascading backup costs the card and what the cascade costs the backup. The card is an
// ext4 image kept in memory (tmpfs) behind a loop device whose reads the blkio controller limits
// to 1,700 MB/s (a CFexpress type B card), holding five clips of 200 MB; the destination is the
// disk of the work folder; the backup is another ext4 image in memory behind a loop device whose
// writes are limited to 100 MB/s (a hard disk on USB), read back at memory's speed. In turns,
// five times, the page cache dropped before each, every one a whole offload session (the card
// scanned against an empty history, its files planned, copied, proved and recorded):
// - the card to the destination alone;
// - the card to the destination with the backup cascading from each proved copy, timed until
//   the card may be removed (the run has finished) and until the backup is proved too (the
//   cascade has gone idle);
// - the card to the backup alone: the backup's own time to take and prove those bytes, from a
//   source that reads 17 times faster than the backup writes.
// The run must not wait for the backup, and the backup should be done about as soon as it
// could be on its own.

#include "BenchSupport.h"

#include "app/model/CardScan.h"
#include "history/History.h"
#include "media/FileRules.h"
#include "session/CascadeQueue.h"
#include "session/OffloadSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <optional>
#include <thread>
#include <unistd.h>

using namespace stowly;
using namespace stowly::bench;

namespace {

constexpr qint64 cardRate = 1'700'000'000;
constexpr qint64 backupRate = 100'000'000;
constexpr int clipCount = 5;
constexpr qint64 clipSize = 200'000'000;
constexpr int rounds = 5;

struct Turn {
    // Until the card may be removed: every main copy is proved and the run has finished.
    double safe = 0;
    // Until every copy is proved, the cascaded ones too.
    double proved = 0;
    // When the cascade took on its first file.
    double firstHandedOn = 0;
    // This process's, on all its threads.
    double cpu = 0;
};

// One offload session of the whole card to `main`, with `cascadeTo` (when given) cascading
// from it, against a fresh history.
Turn offload(const CardVolume& card, qsizetype files, const QString& historyFolder,
             const QString& main, const QString& cascadeTo = {}) {
    for (const QString& folder : {historyFolder, main, cascadeTo}) {
        if (folder.isEmpty())
            continue;
        removeFolder(folder);
        QDir().mkpath(folder);
    }
    History ledger(historyFolder + QStringLiteral("/ledger.json"));
    const CardInventory inventory =
        CardScan::inventory(card, ledger.entriesByKey(), FileRules::standard());
    OffloadSession session(card, inventory, QHash<QString, double>{});
    QList<PlannedFile> plan;
    for (const Clip& clip : session.newClips())
        plan.append(PlannedFile{clip, card.name, clip.fileName()});
    if (plan.size() != files)
        qFatal("the scan found %lld new files, not %lld", qlonglong(plan.size()), qlonglong(files));
    OffloadDestinations where{main, {}, false, false, {}};
    std::optional<CascadeQueue> cascade;
    if (!cascadeTo.isEmpty()) {
        cascade.emplace(&ledger, historyFolder + QStringLiteral("/cascades.jsonl"));
        where.backups = {cascadeTo};
        where.cascades = {cascadeTo};
    }
    dropCaches();

    QEventLoop loop;
    QElapsedTimer clock;
    Turn turn;
    qsizetype cascaded = 0;
    const auto seconds = [&] { return double(clock.nsecsElapsed()) / 1e9; };
    // The cascade may run dry between two files while the run still copies: the backup is
    // done only when both are.
    const auto allProved = [&] {
        if (session.phase() != OffloadSession::Phase::finished || (cascade && !cascade->isIdle()))
            return;
        turn.proved = seconds();
        loop.quit();
    };
    QObject::connect(&session, &OffloadSession::finished, &loop, [&] {
        turn.safe = seconds();
        allProved();
    });
    if (cascade) {
        QObject::connect(&*cascade, &CascadeQueue::changed, &loop, [&] {
            if (turn.firstHandedOn == 0 && !cascade->isIdle())
                turn.firstHandedOn = seconds();
        });
        QObject::connect(&*cascade, &CascadeQueue::recorded, &loop, [&] { ++cascaded; });
        QObject::connect(&*cascade, &CascadeQueue::idle, &loop, allProved);
    }
    const double cpuBefore = cpuSeconds();
    clock.start();
    session.start(plan, where, &ledger, cascade ? &*cascade : nullptr);
    loop.exec();
    turn.cpu = cpuSeconds() - cpuBefore;

    const OffloadSummary summary = session.summary().value_or(OffloadSummary{});
    if (summary.copied != files || summary.failed != 0)
        qFatal("the offload to %s failed: %s", qPrintable(main),
               qPrintable(summary.failures.join(u'\n')));
    if (cascade) {
        for (const CascadeQueue::Failure& failure : cascade->failures())
            qFatal("the cascaded copy of %s failed: %s",
                   qPrintable(failure.item.first.destinationPath),
                   qPrintable(failure.failure.description));
        if (cascaded != files)
            qFatal("the cascade recorded %lld copies, not %lld", qlonglong(cascaded),
                   qlonglong(files));
    }
    return turn;
}

QString loadAverage() {
    return output("cat", {"/proc/loadavg"}) + QStringLiteral(" (") +
           QString::number(std::thread::hardware_concurrency()) + QStringLiteral(" cores)");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (::geteuid() != 0) {
        QTextStream(stdout) << "skipped: the card and the backup need loop devices, tmpfs and "
                               "the blkio controller (root)\n";
        return 0;
    }
    const QString blkio = QString::fromLatin1(blkioRoot);
    if (!QFile::exists(blkio + QStringLiteral("/blkio.throttle.read_bps_device")) ||
        !QFile::exists(blkio + QStringLiteral("/blkio.throttle.write_bps_device"))) {
        QTextStream(stdout) << "skipped: no cgroup v1 blkio controller at " << blkio
                            << ", so neither the card's nor the backup's speed can be set\n";
        return 0;
    }
    const QString root = makeWorkFolder(QStringLiteral("cascade"));
    undoLater("rm -rf '" + root + "'");
    const QString memory = root + "/memory";
    QDir().mkpath(memory);
    output("mount", {"-t", "tmpfs", "-o", "size=2500m", "tmpfs", memory});
    undoLater("umount --lazy " + memory);

    const CardVolume card{root + "/card", QStringLiteral("A_CARD"), std::nullopt};
    const QString cardDevice = makeDrive(memory + "/card.img", "1200M", card.url);
    const QString clips = card.url + "/PRIVATE/M4ROOT/CLIP";
    QDir().mkpath(clips);
    makeClips(clips, clipCount, clipSize);
    const QString backupMount = root + "/backup";
    const QString backupDevice = makeDrive(memory + "/backup.img", "1200M", backupMount);
    const QString destination = root + "/disk/Main", backup = backupMount + "/Backup";
    const QString history = root + "/history";
    QDir().mkpath(root + "/disk");

    // Every thread of this process reads the card and writes the backup through the group; the
    // copies' own write-back, started as each chunk is written, is what the backup's limit
    // holds back.
    const QString group = joinBlkioGroup();
    if (!writeTo(group + "/blkio.throttle.read_bps_device",
                 deviceNumbers(cardDevice) + ' ' + QByteArray::number(cardRate)) ||
        !writeTo(group + "/blkio.throttle.write_bps_device",
                 deviceNumbers(backupDevice) + ' ' + QByteArray::number(backupRate)))
        qFatal("cannot set the speeds of the card and the backup");

    const double megabytes = double(clipCount * clipSize) / 1e6;
    QTextStream(stdout) << "load average at the start: " << loadAverage() << '\n'
                        << "card: " << cardDevice << ", " << clipCount << " clips of "
                        << clipSize / 1'000'000 << " MB (an ext4 image in tmpfs, reads limited to "
                        << cardRate / 1'000'000 << " MB/s)\n"
                        << "destination: " << destination << " (the work folder's disk, "
                        << output("findmnt", {"-n", "-o", "SOURCE", "--target", root + "/disk"})
                        << ")\nbackup: " << backup << " (an ext4 image in tmpfs on " << backupDevice
                        << ", writes limited to " << backupRate / 1'000'000 << " MB/s)\n";
    QTextStream(stdout).flush();

    enum { alone, cascading, backupAlone, variantCount };
    std::vector<std::vector<Turn>> turns(variantCount);
    std::vector<double> safeRatios, provedRatios;
    for (int round = 0; round < rounds; ++round) {
        std::vector<Turn> turn(variantCount);
        for (int k = 0; k < variantCount; ++k) {
            const int variant = (k + round) % variantCount;
            turn[size_t(variant)] =
                variant == alone       ? offload(card, clipCount, history, destination)
                : variant == cascading ? offload(card, clipCount, history, destination, backup)
                                       : offload(card, clipCount, history, backup);
            turns[size_t(variant)].push_back(turn[size_t(variant)]);
        }
        safeRatios.push_back(turn[cascading].safe / turn[alone].safe);
        provedRatios.push_back(turn[cascading].proved / turn[backupAlone].safe);
        QTextStream(stdout) << "turn " << round + 1 << ": alone "
                            << QString::number(turn[alone].safe, 'f', 2) << " s, cascading: safe "
                            << QString::number(turn[cascading].safe, 'f', 2) << " s, proved "
                            << QString::number(turn[cascading].proved, 'f', 2)
                            << " s, backup alone "
                            << QString::number(turn[backupAlone].safe, 'f', 2) << " s\n";
        QTextStream(stdout).flush();
    }
    const auto med = [&](int variant, double Turn::*figure) {
        std::vector<double> values;
        for (const Turn& turn : turns[size_t(variant)])
            values.push_back(turn.*figure);
        return median(values);
    };
    const double aloneSafe = med(alone, &Turn::safe), safe = med(cascading, &Turn::safe),
                 proved = med(cascading, &Turn::proved), backupOwn = med(backupAlone, &Turn::safe);
    report("(a) the destination alone: card safe to remove (median of 5)", aloneSafe, "s");
    report("(a) the destination alone", megabytes / aloneSafe, "MB/s");
    report("(b) with the backup cascading: card safe to remove (median of 5)", safe, "s");
    report("(b) with the backup cascading: backup proved (median of 5)", proved, "s");
    report("(b) with the backup cascading: first file handed to the backup (median of 5)",
           med(cascading, &Turn::firstHandedOn), "s");
    report("(c) the backup alone: its own write and proof of the same bytes (median of 5)",
           backupOwn, "s");
    report("(c) the backup alone", megabytes / backupOwn, "MB/s");
    // The cascade can start only once the first file's main copy is proved.
    const double floor = med(cascading, &Turn::firstHandedOn) + backupOwn;
    report("the soonest the cascaded backup could be proved: first file handed on (b) + (c)", floor,
           "s");
    report("safe to remove (b) / the destination alone (a), medians (goal at most 1.15)",
           safe / aloneSafe, "x");
    report("the same, median of each turn's own ratio", median(safeRatios), "x");
    report("backup proved (b) / the backup's own time (c), medians (goal at most 1.05)",
           proved / backupOwn, "x");
    report("the same, median of each turn's own ratio", median(provedRatios), "x");
    report("backup proved (b) / the soonest it could be", proved / floor, "x");
    report("CPU time of this process: (a) (median)", med(alone, &Turn::cpu), "s");
    report("CPU time of this process: (b)", med(cascading, &Turn::cpu), "s");
    report("CPU time of this process: (c)", med(backupAlone, &Turn::cpu), "s");
    report("peak resident memory", double(peakResidentBytes()) / MiB, "MiB");
    QTextStream(stdout) << "load average at the end: " << loadAverage() << '\n';

    undoAll();
    return 0;
}
