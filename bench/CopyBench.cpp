// Verified copy against its physical limit. A verified copy must read the source once, write the
// copy once and read the copy back from the device once; the raw limit does exactly that with
// no hashing. The copier adds SHA-256 of both sides, the move to the final name and the folder
// flush. The shell way is what a careful user does by hand: cp, sync, then sha256sum of
// both sides. The copier also runs as the ASC MHL histories use it: with xxh128 taken from the
// same read, and with md5 and sha1 besides, to show what a production's extra formats cost. All
// work on the same 2 GiB set (STOWLY_BENCH_MIB to change it) (a few large clips and many 5–30 MB
// photos) on the same disk, and every source is read from the disk, not from memory.

#include "BenchSupport.h"

#include "base/FileNames.h"
#include "copy/Copier.h"
#include "copy/CopyBuffers.h"
#include "copy/FormatHasher.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace stowly;
using namespace stowly::bench;

namespace {

qint64 setBytes() {
    const qint64 mib = qEnvironmentVariableIntValue("STOWLY_BENCH_MIB");
    return (mib > 0 ? mib : 2048) * MiB;
}

// Read, write, flush, drop the copy's pages, read it back from the device: nothing else.
void rawCopy(const QByteArray& from, const QByteArray& to, CopyBuffers& buffers) {
    const int in = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (in < 0 || out < 0)
        qFatal("cannot open for the raw copy");
    char* buffer = buffers.buffer(0);
    for (;;) {
        const ssize_t n = ::read(in, buffer, size_t(buffers.chunkSize()));
        if (n <= 0)
            break;
        if (::write(out, buffer, size_t(n)) != n)
            qFatal("raw write failed");
    }
    ::fsync(out);
    ::posix_fadvise(out, 0, 0, POSIX_FADV_DONTNEED);
    ::close(out);
    ::close(in);
    const int back = ::open(to.constData(), O_RDONLY | O_CLOEXEC | O_DIRECT);
    if (back < 0)
        qFatal("cannot read the raw copy back");
    while (::read(back, buffer, size_t(buffers.chunkSize())) > 0) {
    }
    ::close(back);
}

// Drops one file's pages, so that its next read comes from the disk without disturbing the
// rest of the machine the way dropping the whole cache does.
void evict(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

double loadAverage() {
    double load = 0;
    ::getloadavg(&load, 1);
    return load;
}

} // namespace

int main() {
    // Other work on the machine takes the second core that hashing overlaps with.
    const double loadAtStart = loadAverage();
    const qint64 setBytes = ::setBytes();
    const QString root = makeWorkFolder(QStringLiteral("copy"));
    const QString sourceFolder = root + QStringLiteral("/card");
    QDir().mkpath(sourceFolder);
    QTextStream(stdout) << "making the " << setBytes / MiB << " MiB set in " << root << '\n';
    const QList<SourceFile> files = makeMixedSet(sourceFolder, setBytes);
    if (!dropCaches())
        QTextStream(stdout) << "warning: cannot drop the page cache (not root); sources may come "
                               "from memory\n";

    CopyBuffers buffers(Copier::chunkSize);
    const QStringList variants = {QStringLiteral("raw"), QStringLiteral("copier"),
                                  QStringLiteral("xxh128"), QStringLiteral("md5-sha1")};
    const QList<QList<HashFormat>> tapped = {
        {}, {}, {HashFormat::xxh128}, {HashFormat::md5, HashFormat::sha1, HashFormat::xxh128}};
    const auto copyOne = [&](int variant, const QString& name) {
        const QByteArray from = fileNames::encode(sourceFolder + u'/' + name);
        const QString to = root + u'/' + variants[variant] + u'/' + name;
        evict(from);
        return secondsOf([&] {
            if (variant == 0) {
                rawCopy(from, fileNames::encode(to), buffers);
                return;
            }
            if (variant == 1) {
                const CopyResult result = Copier::copyAndVerify(from, to, {}, {}, {}, &buffers);
                if (!result.ok())
                    qFatal("%s", qPrintable(result.failure().description));
                return;
            }
            // As an offload takes them: fed from the copy's read, finished once it is written.
            FormatHasher hasher(tapped[variant]);
            Copier::Checks checks;
            checks.tap = [&](const char* data, qsizetype size) { hasher.update(data, size); };
            const QList<CopyResult> results =
                Copier::copyToAll(from, {to}, {}, {}, {}, &buffers, FolderCalls::system(), checks);
            if (results.size() != 1 || !results[0].ok())
                qFatal("the tapped copy failed");
            hasher.finish();
        });
    };

    // The machine is shared and its disk speed wanders, so the variants take turns file by
    // file (each starting first as often as the others) and each keeps its best pass.
    std::vector<double> best(variants.size() + 1, 1e100);
    const qsizetype shellRun = variants.size();
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<double> seconds(variants.size(), 0);
        for (const QString& variant : variants) {
            removeFolder(root + u'/' + variant);
            QDir().mkpath(root + u'/' + variant);
        }
        ::sync();
        for (int i = 0; i < files.size(); ++i) {
            for (int k = 0; k < variants.size(); ++k) {
                const int variant = (i + k) % int(variants.size());
                seconds[variant] += copyOne(variant, files[i].name);
            }
        }
        for (int k = 0; k < variants.size(); ++k)
            best[k] = std::min(best[k], seconds[k]);
    }
    for (int pass = 0; pass < 2; ++pass) {
        const QString folder = root + QStringLiteral("/shell");
        removeFolder(folder);
        QDir().mkpath(folder);
        dropCaches();
        best[shellRun] =
            std::min(best[shellRun], secondsOf([&] {
                         shell(QStringLiteral("cp '%1'/* '%2'/ && sync && sha256sum '%1'/* "
                                              "'%2'/* >/dev/null")
                                   .arg(sourceFolder, folder));
                     }));
    }

    const double megabytes = double(setBytes) / 1e6;
    report(QStringLiteral("files"), double(files.size()), QString());
    report(QStringLiteral("raw limit (read + write + fsync + read-back)"), megabytes / best[0],
           QStringLiteral("MB/s"));
    report(QStringLiteral("copier (copy + SHA-256 + fsync + verified read-back + move)"),
           megabytes / best[1], QStringLiteral("MB/s"));
    report(QStringLiteral("copier with xxh128 from the same read"), megabytes / best[2],
           QStringLiteral("MB/s"));
    report(QStringLiteral("copier with xxh128 + md5 + sha1 from the same read"),
           megabytes / best[3], QStringLiteral("MB/s"));
    report(QStringLiteral("xxh128 + md5 + sha1 / xxh128 alone (copy rate)"),
           100 * best[2] / best[3], QStringLiteral("%"));
    report(QStringLiteral("by hand (cp + sync + sha256sum both sides)"), megabytes / best[shellRun],
           QStringLiteral("MB/s"));
    report(QStringLiteral("copier / raw limit"), 100 * best[0] / best[1], QStringLiteral("%"));
    report(QStringLiteral("copier speed-up over by hand"), best[shellRun] / best[1],
           QStringLiteral("x"));
    report(QStringLiteral("load average at the start"), loadAtStart, QString());
    report(QStringLiteral("load average at the end"), loadAverage(), QString());
    report(QStringLiteral("peak resident memory"), double(peakResidentBytes()) / MiB,
           QStringLiteral("MiB"));
    removeFolder(root);
    return 0;
}
