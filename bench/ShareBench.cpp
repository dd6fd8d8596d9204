// Offloads to a Samba share on loopback, reached through a FUSE client (rclone): a verified
// offload of a 1 GiB set (STOWLY_BENCH_MIB to change it) against `cp -r` + `sync` into the same
// mount, and what reading every copy back from the server costs on its own (in an offload it
// overlaps the next file's copy). Then a slow link (rclone's --bwlimit, 20 MB/s): how far the
// time left that the progress gives is from the time the offload really took.

#include "BenchSupport.h"

#include "app/model/OffloadFormatting.h"
#include "base/FileNames.h"
#include "copy/Copier.h"
#include "copy/Offloader.h"
#include "support/NetworkShare.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>

using namespace stowly;
using namespace stowly::bench;

namespace {

// Every failed copy's own words, not only the run's lines.
[[noreturn]] void failedOffload(const OffloadSummary& summary) {
    QStringList lines = summary.failures;
    for (const CopyOutcome& copy : summary.copies)
        if (copy.failure)
            lines << copy.sourceRelativePath + ": " + *copy.failure;
    qFatal("%s", qPrintable(lines.join('\n')));
}

qint64 setBytes() {
    const qint64 mib = qEnvironmentVariableIntValue("STOWLY_BENCH_MIB");
    return (mib > 0 ? mib : 1024) * MiB;
}

OffloadJob jobOf(const QString& card, const QList<SourceFile>& files, const QString& to) {
    OffloadJob job;
    job.destination = to;
    for (const SourceFile& file : files) {
        Clip clip;
        clip.url = fileNames::encode(card + u'/' + file.name);
        clip.relativePath = file.name;
        clip.size = file.size;
        job.plan.append({clip, QString(), file.name});
    }
    return job;
}

std::unique_ptr<test::NetworkShare> startShare(const QString& folder,
                                               test::NetworkShare::Options options) {
    // Large files on a busy machine: the server may take a while to settle a big write.
    options.clientTimeout = QStringLiteral("300s");
    QString whyNot;
    auto share = test::NetworkShare::start(test::NetworkShare::Kind::smb, folder, &whyNot, options);
    if (!share)
        qFatal("cannot start the share: %s", qPrintable(whyNot));
    return share;
}

} // namespace

int main() {
    const qint64 bytes = setBytes();
    const QString root = makeWorkFolder(QStringLiteral("share"));
    const QString card = root + QStringLiteral("/card");
    QDir().mkpath(card);
    QTextStream(stdout) << "making the " << bytes / MiB << " MiB set in " << root << '\n';
    const QList<SourceFile> files = makeMixedSet(card, bytes);
    const double megabytes = double(bytes) / 1e6;

    double byHand = 1e100;
    double offload = 1e100;
    double readBack = 1e100;
    {
        const auto share = startShare(root + QStringLiteral("/nas"), {});
        // Taking turns, each keeping its best of two.
        for (int pass = 0; pass < 2; ++pass) {
            const QString handFolder = share->mountPoint() + QStringLiteral("/by-hand");
            const QString ours = share->mountPoint() + QStringLiteral("/stowly");
            removeFolder(handFolder);
            removeFolder(ours);
            QDir().mkpath(ours);
            dropCaches();
            byHand =
                std::min(byHand, secondsOf([&] {
                             shell(QStringLiteral("cp -r '%1' '%2' && sync").arg(card, handFolder));
                         }));
            dropCaches();
            QList<HistoryEntry> copies;
            offload = std::min(offload, secondsOf([&] {
                                   const OffloadSummary summary = Offloader::run(
                                       jobOf(card, files, ours), {},
                                       [&](const HistoryEntry& entry, const QString&,
                                           const QMap<QString, QString>&) { copies << entry; });
                                   if (summary.failed > 0)
                                       failedOffload(summary);
                               }));
            // The proof's read alone, as the copier does it: each copy from the server.
            readBack = std::min(readBack, secondsOf([&] {
                                    for (const HistoryEntry& copy : copies)
                                        if (!Copier::sha256(fileNames::encode(copy.destinationPath),
                                                            Copier::chunkSize, true)
                                                 .ok())
                                            qFatal("cannot read a copy back");
                                }));
        }
    }

    // The slow link: every progress report's time left against the time really left.
    const qint64 slowBytes = std::min<qint64>(bytes, 256 * MiB);
    QList<SourceFile> slowFiles;
    qint64 taken = 0;
    for (const SourceFile& file : files)
        if (taken + file.size <= slowBytes) {
            slowFiles << file;
            taken += file.size;
        }
    std::vector<std::pair<double, double>> estimates; // (seconds in, time left said)
    double slowTotal = 0;
    {
        const auto share = startShare(root + QStringLiteral("/slow"), {QStringLiteral("20M")});
        QElapsedTimer clock;
        clock.start();
        const OffloadSummary summary = Offloader::run(
            jobOf(card, slowFiles, share->mountPoint()),
            [&](const OffloadProgress& progress) {
                const double in = double(clock.elapsed()) / 1000;
                // As the window works it out.
                if (const std::optional<double> left = OffloadFormatting::estimatedSecondsRemaining(
                        progress.bytesDone, progress.bytesTotal, in))
                    estimates.emplace_back(in, *left);
            },
            {});
        slowTotal = double(clock.elapsed()) / 1000;
        if (summary.failed > 0)
            failedOffload(summary);
    }
    // The first tenth is a guess from too little; the rest should hold.
    std::vector<double> errors;
    for (const auto& [in, said] : estimates)
        if (in > slowTotal / 10)
            errors.push_back(std::abs(said - (slowTotal - in)));

    report(QStringLiteral("files"), double(files.size()), QString());
    report(QStringLiteral("by hand (cp -r + sync) to the share"), megabytes / byHand,
           QStringLiteral("MB/s"));
    report(QStringLiteral("verified offload to the share"), megabytes / offload,
           QStringLiteral("MB/s"));
    report(QStringLiteral("verified offload / by hand (time)"), offload / byHand,
           QStringLiteral("x"));
    report(QStringLiteral("reading every copy back from the server alone"), readBack,
           QStringLiteral("s"));
    report(QStringLiteral("read-back alone / offload (time)"), 100 * readBack / offload,
           QStringLiteral("%"));
    report(QStringLiteral("slow link (20 MB/s): offload"), double(taken) / 1e6 / slowTotal,
           QStringLiteral("MB/s"));
    report(QStringLiteral("slow link: progress reports"), double(estimates.size()), QString());
    report(QStringLiteral("slow link: time left, median error after the first tenth"),
           errors.empty() ? 0 : median(errors), QStringLiteral("s"));
    report(QStringLiteral("slow link: time left, largest error after the first tenth"),
           errors.empty() ? 0 : *std::max_element(errors.begin(), errors.end()),
           QStringLiteral("s"));
    report(QStringLiteral("slow link: whole offload"), slowTotal, QStringLiteral("s"));
    removeFolder(root);
    return 0;
}
