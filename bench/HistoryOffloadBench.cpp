// What a large history costs an offload: 800 photos of 2 MB offloaded with an empty history and
// with one of 1,000,000 entries, in turns, three times each. The run is timed from its start to
// its end with the history's own saves; loading the history (once per process, before any scan)
// is reported on its own.
#include "BenchSupport.h"

#include "history/Ledger.h"
#include "history/LedgerFile.h"
#include "media/ClipScanner.h"
#include "naming/NamingTemplates.h"
#include "naming/OffloadPlanner.h"
#include "session/OffloadSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

using namespace stowly;
using namespace stowly::bench;

namespace {

constexpr int photoCount = 800;
constexpr qint64 photoBytes = 2'000'000;
constexpr int historyEntries = 1'000'000;
constexpr int rounds = 3;

void writePhotos(const QString& folder) {
    QDir().mkpath(folder);
    std::vector<quint64> block(photoBytes / 8 + 1);
    quint64 state = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < photoCount; ++i) {
        for (quint64& word : block) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            word = state;
        }
        QFile file(folder + QStringLiteral("/IMG_%1.JPG").arg(i, 4, 10, QChar(u'0')));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(block.data()), photoBytes) != photoBytes)
            qFatal("cannot write the card");
    }
}

void writeHistory(const QString& path) {
    LedgerRecords records;
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1'796'340'389, Qt::UTC);
    for (int i = 0; i < historyEntries; ++i) {
        LedgerEntry e;
        e.sourceRelativePath = QStringLiteral("DCIM/%1CANON/IMG_%2.CR3")
                                   .arg(100 + i / 9999)
                                   .arg(i % 9999, 4, 10, QChar(u'0'));
        e.sourceKey = QStringLiteral("OTHER-CARD|") + e.sourceRelativePath +
                      QStringLiteral("|%1|%2").arg(25'000'000 + i).arg(1'700'000'000 + i);
        e.cardName = QStringLiteral("EOS_DIGITAL");
        e.destinationPath =
            QStringLiteral("/media/user/Footage/2026-10-25/Coastline/CR3/2026-10-25_%1.cr3")
                .arg(i, 7, 10, QChar(u'0'));
        e.size = 25'000'000 + i;
        e.sha256 = QStringLiteral("%1").arg(quint64(i) * 2654435761u, 64, 16, QChar(u'0'));
        e.offloadedAt = when;
        records.append(e);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(LedgerFile::encode(records)) < 0)
        qFatal("cannot write the history");
}

struct Timing {
    double load;
    double run;
};

Timing offload(const QString& card, const QString& historyFolder, const QString& destination) {
    QDir(destination).removeRecursively();
    QDir().mkpath(destination);
    ::sync();
    QElapsedTimer clock;
    clock.start();
    Ledger ledger(historyFolder + QStringLiteral("/ledger.json"));
    const double load = clock.nsecsElapsed() / 1e9;

    const CardVolume volume{card, QStringLiteral("CARD"), QStringLiteral("1234-ABCD")};
    const auto report =
        ClipScanner::scanReport(card, ClipScanner::allCategories(), FileRules::standard());
    const CardInventory inventory =
        CardInventory::classify(report.clips, volume.volumeIdentity(),
                                ledger.entriesByKey().lookup(), CardInventory::diskFileSize);
    OffloadSession session(volume, inventory, {});
    const QList<PlannedFile> plan = OffloadPlanner::plan(
        session.newClips(), NamingTemplates::standard(), NamingContext{"Bench", "", "CARD"},
        FileRules::standard(), OffloadPlanner::diskLister(destination));
    bool done = false;
    int copied = 0;
    QObject::connect(&session, &OffloadSession::finished, [&](const OffloadSummary& summary) {
        done = true;
        copied = summary.copied;
    });
    clock.restart();
    session.start(plan, destination, &ledger);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double run = clock.nsecsElapsed() / 1e9;
    if (copied != photoCount || ledger.lastError())
        qFatal("the offload did not copy and record every photo");
    return {load, run};
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString folder = makeWorkFolder("history-offload");
    const QString card = folder + QStringLiteral("/card");
    writePhotos(card + QStringLiteral("/DCIM/100CANON"));
    const QString big = folder + QStringLiteral("/big");
    QDir().mkpath(big);
    writeHistory(big + QStringLiteral("/ledger.json"));
    const QByteArray bigHistory = [&] {
        QFile file(big + QStringLiteral("/ledger.json"));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();

    QList<double> emptyRuns, bigRuns, bigLoads;
    for (int round = 0; round < rounds; ++round) {
        const QString empty = folder + QStringLiteral("/empty");
        QDir(empty).removeRecursively();
        emptyRuns.append(offload(card, empty, folder + QStringLiteral("/dest")).run);
        // The same history every round: what earlier rounds added goes.
        QDir(big).removeRecursively();
        QDir().mkpath(big);
        QFile file(big + QStringLiteral("/ledger.json"));
        if (!file.open(QIODevice::WriteOnly) || file.write(bigHistory) != bigHistory.size())
            qFatal("cannot write the history");
        file.close();
        const Timing timing = offload(card, big, folder + QStringLiteral("/dest"));
        bigRuns.append(timing.run);
        bigLoads.append(timing.load);
    }
    report(QStringLiteral("offload of 800 photos, empty history (median of 3)"), median(emptyRuns),
           QStringLiteral("s"));
    report(QStringLiteral("offload of 800 photos, history of 1,000,000 entries (median of 3)"),
           median(bigRuns), QStringLiteral("s"));
    report(QStringLiteral("ratio (target at most 1.15)"), median(bigRuns) / median(emptyRuns),
           QStringLiteral("x"));
    report(QStringLiteral("loading the 1,000,000-entry history, before the run"), median(bigLoads),
           QStringLiteral("s"));
    removeFolder(folder);
    return median(bigRuns) / median(emptyRuns) <= 1.15 ? 0 : 1;
}
