// What a backup destination costs. The same 2 GiB card (a few large clips and many photos) on
// an ext4 image of its own loop device is offloaded file by file, each variant in turn: to the
// disk alone, to the disk and a tmpfs at once, to the disk with the card read a second time, to
// the disk with an xxh128 beside SHA-256.
// The card's loop device counts the bytes read from the card, which must be the card's size
// once (twice with the second read), however many destinations there are.

#include "BenchSupport.h"

#include "base/FileNames.h"
#include "copy/Copier.h"
#include "copy/CopyBuffers.h"
#include "copy/Xxh128.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <fcntl.h>
#include <unistd.h>

using namespace stowly;
using namespace stowly::bench;

namespace {

constexpr qint64 setBytes = 2048 * MiB;

// Bytes read from a block device so far.
qint64 bytesReadFrom(const QString& device) {
    QFile stat("/sys/block/" + QFileInfo(device).fileName() + "/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().simplified().split(' ');
    return fields.size() > 2 ? fields[2].toLongLong() * 512 : -1;
}

void evict(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

struct Variant {
    QString name;
    // Destination roots.
    QStringList roots;
    Copier::Checks checks;
    double seconds = 0;
    qint64 cardBytes = 0;
};

} // namespace

int main() {
    if (::geteuid() != 0) {
        QTextStream(stdout) << "skipped: the card needs a loop device and tmpfs (root)\n";
        return 0;
    }
    const QString root = makeWorkFolder(QStringLiteral("backups"));
    const QString card = root + "/card", disk = root + "/disk", memory = root + "/memory";
    for (const QString& folder : {card, disk, memory})
        QDir().mkpath(folder);
    output("truncate", {"-s", QString::number(setBytes + 256 * MiB), root + "/card.img"});
    output("mkfs.ext4", {"-q", "-F", root + "/card.img"});
    const QString device =
        output("losetup", {"--find", "--show", "--direct-io=on", root + "/card.img"});
    output("mount", {device, card});
    output("mount", {"-t", "tmpfs", "-o", "size=2600m", "tmpfs", memory});
    QTextStream(stdout) << "making the " << setBytes / MiB << " MiB card on " << device << '\n';
    const QList<SourceFile> files = makeMixedSet(card, setBytes);
    dropCaches();

    Copier::Checks verifySource;
    verifySource.verifySource = true;
    // The ASC MHL value, from the same read as SHA-256.
    Xxh128 xxh128;
    Copier::Checks withXxh128;
    withXxh128.tap = [&xxh128](const char* data, qsizetype size) { xxh128.update(data, size); };
    QList<Variant> variants{
        {"one destination", {disk + "/one"}, {}},
        {"two destinations (disk + tmpfs)", {disk + "/two", memory + "/two"}, {}},
        {"one destination, card read twice", {disk + "/verify"}, verifySource},
        {"one destination with xxh128", {disk + "/xxh128"}, withXxh128}};
    CopyBuffers buffers(Copier::chunkSize);
    for (int pass = 0; pass < 2; ++pass) {
        for (Variant& variant : variants) {
            variant.seconds = 0;
            variant.cardBytes = 0;
            for (const QString& folder : variant.roots) {
                removeFolder(folder);
                QDir().mkpath(folder);
            }
        }
        ::sync();
        // Each variant starts first as often as the others, file by file.
        for (int i = 0; i < files.size(); ++i) {
            for (int k = 0; k < variants.size(); ++k) {
                Variant& variant = variants[(i + k) % variants.size()];
                const QByteArray from = fileNames::encode(card + u'/' + files[i].name);
                QStringList targets;
                for (const QString& folder : variant.roots)
                    targets << folder + u'/' + files[i].name;
                evict(from);
                const qint64 before = bytesReadFrom(device);
                variant.seconds += secondsOf([&] {
                    for (const CopyResult& result :
                         Copier::copyToAll(from, targets, {}, {}, {}, &buffers,
                                           FolderCalls::system(), variant.checks))
                        if (!result.ok())
                            qFatal("%s", qPrintable(result.failure().description));
                });
                variant.cardBytes += bytesReadFrom(device) - before;
            }
        }
    }

    const double megabytes = double(setBytes) / 1e6;
    for (const Variant& variant : variants) {
        report(variant.name, megabytes / variant.seconds, QStringLiteral("MB/s"));
        report(variant.name + QStringLiteral(": card bytes read / card size"),
               double(variant.cardBytes) / double(setBytes), QStringLiteral("x"));
    }
    report(QStringLiteral("second destination: extra time"),
           100 * (variants[1].seconds / variants[0].seconds - 1), QStringLiteral("%"));
    report(QStringLiteral("xxh128 beside SHA-256: extra time"),
           100 * (variants[3].seconds / variants[0].seconds - 1), QStringLiteral("%"));
    report(QStringLiteral("peak resident memory"), double(peakResidentBytes()) / MiB,
           QStringLiteral("MiB"));

    output("umount", {memory});
    output("umount", {card});
    output("losetup", {"--detach", device});
    removeFolder(root);
    return 0;
}
