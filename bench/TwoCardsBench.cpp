// Two cards offloaded at once against each alone. Each card is an ext4 image kept in memory
// (tmpfs) behind a loop device of its own, whose reads the blkio controller limits to 250 MB/s
// (a UHS-II SD card) with a rule for that device; each holds four clips of 200 MB. Card A goes
// to the disk of the work folder, card B to a drive of its own: an ext4 image in memory behind
// another loop device. In turns, five times, the page cache dropped before each: A alone, B
// alone, and both handed to the offload queue at once, which runs them side by side because
// their copies land on different drives. Every run is a whole offload session: the card
// scanned against an empty history, its new files planned, copied, proved and recorded.
// Reading card A alone and both cards at once (no copies) in the same turns gives the set-up's
// own floor: a loop device's reads are served by kernel workers, which a busy machine delays.

#include "BenchSupport.h"

#include "app/model/CardScan.h"
#include "base/FileNames.h"
#include "history/History.h"
#include "media/FileRules.h"
#include "session/OffloadQueue.h"
#include "session/OffloadSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <fcntl.h>
#include <memory>
#include <thread>
#include <unistd.h>

using namespace stowly;
using namespace stowly::bench;

namespace {

constexpr qint64 cardRate = 250'000'000;
constexpr int rounds = 5;
constexpr double cardMegabytes = 800;

struct Card {
    CardVolume volume;
    QString device;
    QString destination;
    QStringList files;

    // Its files, read once and thrown away.
    void read() const {
        std::vector<char> buffer(8 * MiB);
        for (const QString& file : files) {
            const int fd = ::open(fileNames::encode(file).constData(), O_RDONLY | O_CLOEXEC);
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
            while (::read(fd, buffer.data(), buffer.size()) > 0) {
            }
            ::close(fd);
        }
    }
};

// One turn: the cards scanned against a fresh history, then offloaded through one queue.
struct Turn {
    double seconds = 0;
    // How long both were copying at once.
    double together = 0;
    // This process's, on all its threads.
    double cpu = 0;
};

Turn offload(const QList<const Card*>& cards, const QString& historyFolder) {
    removeFolder(historyFolder);
    QDir().mkpath(historyFolder);
    History ledger(historyFolder + QStringLiteral("/ledger.json"));
    std::vector<std::unique_ptr<OffloadSession>> sessions;
    QList<QList<PlannedFile>> plans;
    for (const Card* card : cards) {
        removeFolder(card->destination);
        QDir().mkpath(card->destination);
        const CardInventory inventory =
            CardScan::inventory(card->volume, ledger.entriesByKey(), FileRules::standard());
        sessions.push_back(
            std::make_unique<OffloadSession>(card->volume, inventory, QHash<QString, double>{}));
        QList<PlannedFile> plan;
        for (const Clip& clip : sessions.back()->newClips())
            plan.append(PlannedFile{clip, card->volume.name, clip.fileName()});
        if (plan.size() != card->files.size())
            qFatal("the scan of %s found %lld new files, not %lld", qPrintable(card->volume.name),
                   qlonglong(plan.size()), qlonglong(card->files.size()));
        plans.append(plan);
    }
    dropCaches();

    OffloadQueue queue(&ledger);
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 bothSince = -1, bothNs = 0;
    QObject::connect(&queue, &OffloadQueue::changed, &loop, [&] {
        const bool both = queue.running().size() >= 2;
        if (both && bothSince < 0)
            bothSince = clock.nsecsElapsed();
        else if (!both && bothSince >= 0) {
            bothNs += clock.nsecsElapsed() - bothSince;
            bothSince = -1;
        }
        if (queue.isEmpty())
            loop.quit();
    });
    const double cpuBefore = cpuSeconds();
    clock.start();
    for (qsizetype i = 0; i < cards.size(); ++i)
        queue.add(sessions[size_t(i)].get(), plans[i],
                  OffloadDestinations{cards[i]->destination, {}, false, false});
    if (!queue.isEmpty())
        loop.exec();
    Turn turn{double(clock.nsecsElapsed()) / 1e9, double(bothNs) / 1e9, cpuSeconds() - cpuBefore};
    for (const auto& session : sessions) {
        const OffloadSummary summary = session->summary().value_or(OffloadSummary{});
        if (summary.copied != session->plan().value_or(QList<PlannedFile>{}).size() ||
            summary.failed != 0)
            qFatal("the offload of %s failed: %s", qPrintable(session->card().name),
                   qPrintable(summary.failures.join(u'\n')));
    }
    return turn;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (::geteuid() != 0) {
        QTextStream(stdout) << "skipped: the cards need loop devices, tmpfs and the blkio "
                               "controller (root)\n";
        return 0;
    }
    const QString blkio = QString::fromLatin1(blkioRoot);
    if (!QFile::exists(blkio + QStringLiteral("/blkio.throttle.read_bps_device"))) {
        QTextStream(stdout) << "skipped: no cgroup v1 blkio controller at " << blkio
                            << ", so a card's read speed cannot be set\n";
        return 0;
    }
    const QString root = makeWorkFolder(QStringLiteral("two-cards"));
    undoLater("rm -rf '" + root + "'");
    const QString memory = root + "/memory";
    QDir().mkpath(memory);
    output("mount", {"-t", "tmpfs", "-o", "size=3300m", "tmpfs", memory});
    undoLater("umount --lazy " + memory);

    Card a, b;
    a.volume = CardVolume{root + "/card-a", QStringLiteral("A_CARD"), std::nullopt};
    b.volume = CardVolume{root + "/card-b", QStringLiteral("B_CARD"), std::nullopt};
    for (Card* card : {&a, &b}) {
        card->device =
            makeDrive(memory + u'/' + card->volume.name + ".img", "1000M", card->volume.url);
        const QString clips = card->volume.url + "/PRIVATE/M4ROOT/CLIP";
        QDir().mkpath(clips);
        for (const SourceFile& file : makeClips(clips, 4, 200'000'000))
            card->files << clips + u'/' + file.name;
    }
    a.destination = root + "/disk/A_CARD";
    const QString otherDrive = root + "/drive-b";
    const QString driveDevice = makeDrive(memory + "/drive-b.img", "1100M", otherDrive);
    b.destination = otherDrive + "/B_CARD";
    QDir().mkpath(a.destination);
    QDir().mkpath(b.destination);
    if (OffloadQueue::drivesOf({a.destination}).intersects(OffloadQueue::drivesOf({b.destination})))
        qFatal("the two destinations are on one drive");
    QTextStream(stdout) << "load average at the start: " << output("cat", {"/proc/loadavg"}) << " ("
                        << std::thread::hardware_concurrency() << " cores)\n";
    QTextStream(stdout) << "card A: " << a.device << ", card B: " << b.device
                        << " (ext4 images in tmpfs, reads limited to " << cardRate / 1'000'000
                        << " MB/s each)\n"
                        << "destination A: " << a.destination << " (the work folder's disk, "
                        << output("findmnt", {"-n", "-o", "SOURCE", "--target", a.destination})
                        << ")\ndestination B: " << b.destination << " (an ext4 image in tmpfs on "
                        << driveDevice << ")\n";

    // This process reads both cards through the group, each card by a rule of its own.
    const QString group = joinBlkioGroup();
    for (const Card* card : {&a, &b}) {
        if (!writeTo(group + "/blkio.throttle.read_bps_device",
                     deviceNumbers(card->device) + ' ' + QByteArray::number(cardRate)))
            qFatal("cannot set the speed of %s", qPrintable(card->volume.name));
    }

    const QString history = root + "/history";
    enum { aAlone, bAlone, both, readA, readBoth, variantCount };
    std::vector<std::vector<double>> seconds(variantCount), cpu(variantCount);
    std::vector<double> ratios, floors, overlaps;
    for (int round = 0; round < rounds; ++round) {
        std::vector<double> turn(variantCount);
        for (int k = 0; k < variantCount; ++k) {
            const int variant = (k + round) % variantCount;
            Turn done;
            if (variant == readA || variant == readBoth) {
                dropCaches();
                done.seconds = secondsOf([&] {
                    std::optional<std::jthread> other;
                    if (variant == readBoth)
                        other.emplace([&] { b.read(); });
                    a.read();
                });
            } else {
                done = offload(variant == aAlone   ? QList<const Card*>{&a}
                               : variant == bAlone ? QList<const Card*>{&b}
                                                   : QList<const Card*>{&a, &b},
                               history);
            }
            turn[size_t(variant)] = done.seconds;
            seconds[size_t(variant)].push_back(done.seconds);
            cpu[size_t(variant)].push_back(done.cpu);
            if (variant == both)
                overlaps.push_back(done.together / done.seconds);
        }
        ratios.push_back(turn[both] / std::max(turn[aAlone], turn[bAlone]));
        floors.push_back(turn[readBoth] / turn[readA]);
    }
    const auto med = [&](int variant) { return median(seconds[size_t(variant)]); };
    report("card A alone (median of 5)", med(aAlone), "s");
    report("card A alone", cardMegabytes / med(aAlone), "MB/s");
    report("card B alone (median of 5)", med(bAlone), "s");
    report("card B alone", cardMegabytes / med(bAlone), "MB/s");
    report("both together through the queue (median of 5)", med(both), "s");
    report("both together", 2 * cardMegabytes / med(both), "MB/s");
    report("both together / the slower card alone, medians (goal at most 1.10)",
           med(both) / std::max(med(aAlone), med(bAlone)), "x");
    report("the same, median of each round's own ratio", median(ratios), "x");
    report("the same, lowest round", *std::min_element(ratios.begin(), ratios.end()), "x");
    report("the same, highest round", *std::max_element(ratios.begin(), ratios.end()), "x");
    report("the set-up's floor: reading both cards at once / reading A alone, median of the "
           "rounds' ratios",
           median(floors), "x");
    report("reading card A alone", cardMegabytes / med(readA), "MB/s");
    report("CPU time of this process: A alone + B alone (medians)",
           median(cpu[aAlone]) + median(cpu[bAlone]), "s");
    report("CPU time of this process: both together (median)", median(cpu[both]), "s");
    const auto sideBySide =
        std::count_if(overlaps.begin(), overlaps.end(), [](double share) { return share > 0; });
    QTextStream(stdout) << "side by side: both were copying at once in " << sideBySide << " of "
                        << overlaps.size() << " turns, for a median "
                        << QString::number(100 * median(overlaps), 'f', 0)
                        << "% of the turn's time\n";
    report("peak resident memory", double(peakResidentBytes()) / MiB, "MiB");
    QTextStream(stdout) << "load average at the end: " << output("cat", {"/proc/loadavg"}) << " ("
                        << std::thread::hardware_concurrency() << " cores)\n";

    undoAll();
    return sideBySide == qsizetype(overlaps.size()) ? 0 : 1;
}
