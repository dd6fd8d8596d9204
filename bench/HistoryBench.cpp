// A history of 1,000,000 entries: load, index by key, save, and the peak memory of each side.
// Each side runs in a process of its own so that its peak memory is its own.
#include "BenchSupport.h"

#include "history/History.h"
#include "history/HistoryFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

using namespace stowly;
using namespace stowly::bench;

namespace {

constexpr int entryCount = 1'000'000;

void writeHistory(const QString& file) {
    HistoryRecords records;
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1'796'340'389, Qt::UTC);
    for (int i = 0; i < entryCount; ++i) {
        const int folder = 100 + i / 9999;
        HistoryEntry e;
        e.sourceRelativePath =
            QStringLiteral("DCIM/%1CANON/IMG_%2.CR3").arg(folder).arg(i % 9999, 4, 10, QChar(u'0'));
        e.sourceKey = QStringLiteral("4A1B-22C3|") + e.sourceRelativePath +
                      QStringLiteral("|%1|%2").arg(25'000'000 + i).arg(1'700'000'000 + i);
        e.cardName = QStringLiteral("EOS_DIGITAL");
        e.destinationPath =
            QStringLiteral(
                "/media/user/Footage/2026-10-25/Coastline/CR3/2026-10-25_Coastline_%1.cr3")
                .arg(i, 7, 10, QChar(u'0'));
        e.size = 25'000'000 + i;
        e.sha256 = QStringLiteral("%1").arg(quint64(i) * 2654435761u, 64, 16, QChar(u'0'));
        e.offloadedAt = when;
        records.append(e);
    }
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(HistoryFile::encode(records)) < 0)
        qFatal("cannot write the history");
    report("file size", double(out.size()) / 1e6, "MB");
}

// One more entry saved at once: the journal folded and the whole history written again.
int saveSide(const QString& file) {
    History ledger(file);
    HistoryEntry last = ledger.entries().at(ledger.entries().size() - 1);
    last.destinationPath += QStringLiteral(".again");
    const double seconds = secondsOf([&] { ledger.add(last, false); });
    report("save of 1,000,001 entries", seconds, "s");
    report("peak memory while loading and saving", double(peakResidentBytes()) / 1e6, "MB");
    return ledger.lastError() ? 1 : 0;
}

int readSide(const QString& file) {
    std::unique_ptr<History> ledger;
    const double loadSeconds = bestOf(3, [&] {
        ledger.reset();
        ledger = std::make_unique<History>(file);
    });
    report("load of the history (target under 0.5 s, best of 3)", loadSeconds, "s");
    qsizetype keys = 0;
    const double indexSeconds = secondsOf([&] { keys = ledger->entriesByKey().size(); });
    report("entriesByKey (target at most 0.5 s)", indexSeconds, "s");
    report("peak memory while reading (target at most 1500 MB)", double(peakResidentBytes()) / 1e6,
           "MB");
    const bool read = ledger->entries().size() == entryCount && keys == entryCount;
    return read && !ledger->lastError() && loadSeconds < 0.5 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == u"--save")
        return saveSide(args[2]);
    if (args.size() == 3 && args[1] == u"--read")
        return readSide(args[2]);

    const QString folder = makeWorkFolder("ledger");
    const QString file = folder + QStringLiteral("/ledger.json");
    writeHistory(file);
    int status = 0;
    for (const char* side : {"--read", "--save"}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(args[0], {QString::fromLatin1(side), file});
        child.waitForFinished(-1);
        status |= child.exitCode();
    }
    removeFolder(folder);
    return status;
}
