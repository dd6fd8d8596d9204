// A verified offload against a plain copy, from a card that reads at a card's speed. The card is
// an ext4 image kept in memory (tmpfs) behind a loop device, whose reads the blkio controller
// limits to 250 MB/s (a UHS-II SD card) and to 1,700 MB/s (a CFexpress type B card); the copies go
// to the disk of the work folder. At each speed, in turns, five times, the page cache dropped
// before each: reading the card (its real rate), `cp -r` + `sync`, the offloader, and the same
// files proved one after another (each flushed, read back and renamed before the next starts),
// the way the offloader worked before it overlapped the two. Then a 1 GiB card already in
// memory, five times in turn: the offloader against `cp -r` + `sync`.

#include "BenchSupport.h"

#include "base/FileNames.h"
#include "copy/Copier.h"
#include "copy/CopyBuffers.h"
#include "copy/Offloader.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <fcntl.h>
#include <sys/random.h>
#include <thread>
#include <unistd.h>

using namespace stowly;
using namespace stowly::bench;

namespace {

// One folder of the card and what can be done with it.
struct Card {
    QString mount;
    QString folder;
    QList<SourceFile> files;
    qint64 bytes = 0;

    QByteArray path(const SourceFile& file) const {
        return fileNames::encode(mount + u'/' + folder + u'/' + file.name);
    }

    void read(CopyBuffers& buffers) const {
        for (const SourceFile& file : files) {
            const int fd = ::open(path(file).constData(), O_RDONLY | O_CLOEXEC);
            while (::read(fd, buffers.buffer(0), size_t(buffers.chunkSize())) > 0) {
            }
            ::close(fd);
        }
    }

    void offload(const QString& destination) const {
        OffloadJob job;
        job.card = CardVolume{mount, QStringLiteral("BENCH"), QStringLiteral("BENCH-CARD")};
        job.destination = destination;
        for (const SourceFile& file : files) {
            Clip clip;
            clip.url = path(file);
            clip.relativePath = folder + u'/' + file.name;
            clip.size = file.size;
            job.plan.append(PlannedFile{clip, QString(), file.name});
        }
        const OffloadSummary summary = Offloader::run(job, {}, {});
        if (summary.copied != files.size())
            qFatal("the offload failed: %s", qPrintable(summary.failures.join(u'\n')));
    }

    void oneAfterAnother(const QString& destination, CopyBuffers& buffers) const {
        for (const SourceFile& file : files) {
            const CopyResult result = Copier::copyAndVerify(
                path(file), destination + u'/' + file.name, {}, {}, {}, &buffers);
            if (!result.ok())
                qFatal("%s", qPrintable(result.failure().description));
        }
    }

    // What any verified copy of these files needs of the disk at least, with neither card nor
    // hashing: as many bytes written and flushed, while as many are read back from the device
    // (`earlier`, copies made before).
    void diskFloor(const QString& destination, const QString& earlier, CopyBuffers& buffers) const {
        std::thread reading([&] {
            CopyBuffers own(buffers.chunkSize());
            for (const SourceFile& file : files) {
                const int fd = ::open(fileNames::encode(earlier + u'/' + file.name).constData(),
                                      O_RDONLY | O_CLOEXEC | O_DIRECT);
                while (::read(fd, own.buffer(0), size_t(own.chunkSize())) > 0) {
                }
                ::close(fd);
            }
        });
        for (const SourceFile& file : files) {
            const int fd = ::open(fileNames::encode(destination + u'/' + file.name).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            for (qint64 done = 0; done < file.size; done += buffers.chunkSize()) {
                const auto n = size_t(std::min<qint64>(buffers.chunkSize(), file.size - done));
                if (::write(fd, buffers.buffer(1), n) != ssize_t(n))
                    qFatal("cannot write the disk's floor");
                ::sync_file_range(fd, done, qint64(n), SYNC_FILE_RANGE_WRITE);
            }
            ::fsync(fd);
            ::close(fd);
        }
        reading.join();
    }

    void copyBySHell(const QString& destination) const {
        if (shell(QStringLiteral("cp -r '%1/%2' '%3/' && sync").arg(mount, folder, destination)) !=
            0)
            qFatal("cp failed");
    }
};

} // namespace

int main() {
    if (::geteuid() != 0) {
        QTextStream(stdout) << "skipped: the card needs a loop device, tmpfs and the blkio "
                               "controller (root)\n";
        return 0;
    }
    const QString blkio = QString::fromLatin1(blkioRoot);
    if (!QFile::exists(blkio + QStringLiteral("/blkio.throttle.read_bps_device"))) {
        QTextStream(stdout) << "skipped: no cgroup v1 blkio controller at " << blkio
                            << ", so a card's read speed cannot be set\n";
        return 0;
    }
    const QString root = makeWorkFolder(QStringLiteral("throttled"));
    undoLater("rm -rf '" + root + "'");
    const QString memory = root + "/memory", mount = root + "/card", work = root + "/copies";
    for (const QString& folder : {memory, mount, work})
        QDir().mkpath(folder);
    output("mount", {"-t", "tmpfs", "-o", "size=2300m", "tmpfs", memory});
    undoLater("umount --lazy " + memory);
    const QString device = makeDrive(memory + "/card.img", "2200M", mount);
    const QByteArray cardNumbers = deviceNumbers(device);

    Card clips{mount, QStringLiteral("clips")};
    Card mixed{mount, QStringLiteral("mixed")};
    QDir().mkpath(mount + "/clips");
    QDir().mkpath(mount + "/mixed");
    clips.files = makeClips(mount + "/clips", 4, 200'000'000);
    mixed.files = makeMixedSet(mount + "/mixed", 1024 * MiB);
    for (Card* card : {&clips, &mixed})
        for (const SourceFile& file : card->files)
            card->bytes += file.size;

    // This process and the programs it starts read the card through the group.
    const QString group = joinBlkioGroup();
    const auto limit = [&](qint64 bytesPerSecond) {
        if (!writeTo(group + "/blkio.throttle.read_bps_device",
                     cardNumbers + ' ' + QByteArray::number(bytesPerSecond)))
            qFatal("cannot set the card's speed");
    };

    CopyBuffers buffers(Copier::chunkSize);
    const QString destination = work + "/dest";
    const auto fresh = [&](bool dropCache) {
        removeFolder(destination);
        QDir().mkpath(destination);
        if (dropCache)
            dropCaches();
        else
            ::sync();
    };
    const double clipMegabytes = double(clips.bytes) / 1e6;
    // Copies for the floor's reads, and incompressible bytes for its writes.
    const QString earlier = work + "/earlier";
    QDir().mkpath(earlier);
    clips.copyBySHell(earlier);
    ::getrandom(buffers.buffer(1), size_t(buffers.chunkSize()), 0);

    for (const qint64 rate : {qint64(250'000'000), qint64(1'700'000'000)}) {
        limit(rate);
        const QString speed = QString::number(rate / 1'000'000) + QStringLiteral(" MB/s card");
        std::vector<std::function<void()>> variants{
            [&] { clips.read(buffers); },
            [&] { clips.copyBySHell(destination); },
            [&] { clips.offload(destination); },
            [&] { clips.oneAfterAnother(destination, buffers); },
            [&] { clips.diskFloor(destination, earlier + "/clips", buffers); },
        };
        std::vector<std::vector<double>> seconds(variants.size());
        std::vector<double> offloadCpu;
        for (int round = 0; round < 5; ++round) {
            for (size_t k = 0; k < variants.size(); ++k) {
                const size_t variant = (k + size_t(round)) % variants.size();
                fresh(true);
                const double cpuBefore = cpuSeconds();
                seconds[variant].push_back(secondsOf(variants[variant]));
                if (variant == 2)
                    offloadCpu.push_back(cpuSeconds() - cpuBefore);
            }
        }
        const double read = median(seconds[0]), cp = median(seconds[1]),
                     offload = median(seconds[2]), sequential = median(seconds[3]),
                     floor = median(seconds[4]);
        report(speed + ": reading the card", clipMegabytes / read, "MB/s");
        report(speed + ": cp -r + sync", cp, "s");
        report(speed + ": offload", offload, "s");
        report(speed + ": offload rate / card read rate", read / offload, "");
        report(speed + ": offload / (cp -r + sync)", offload / cp, "x");
        report(speed + ": offload CPU time", median(offloadCpu), "s");
        report(speed + ": the disk's floor (write and read back as much at once)", floor, "s");
        report(speed + ": offload / the disk's floor", offload / floor, "x");
        report(speed + ": one file after another / card read rate", read / sequential, "");
        report(speed + ": one file after another / (cp -r + sync)", sequential / cp, "x");
    }

    // In memory the card costs nothing: what is left is hashing and the disk.
    limit(0);
    mixed.read(buffers);
    std::vector<double> offload, cp, offloadCpu;
    for (int round = 0; round < 5; ++round) {
        fresh(false);
        const double cpuBefore = cpuSeconds();
        offload.push_back(secondsOf([&] { mixed.offload(destination); }));
        offloadCpu.push_back(cpuSeconds() - cpuBefore);
        fresh(false);
        cp.push_back(secondsOf([&] { mixed.copyBySHell(destination); }));
    }
    // Each turn's two runs are next to each other in time, so their ratio suffers least from the
    // disk's own moods.
    std::vector<double> ratios;
    for (size_t i = 0; i < offload.size(); ++i)
        ratios.push_back(offload[i] / cp[i]);
    report("1 GiB card in memory: cp -r + sync", median(cp), "s");
    report("1 GiB card in memory: offload", median(offload), "s");
    report("1 GiB card in memory: offload / (cp -r + sync), median of the turns", median(ratios),
           "x");
    report("1 GiB card in memory: the same, lowest turn",
           *std::min_element(ratios.begin(), ratios.end()), "x");
    report("1 GiB card in memory: the same, highest turn",
           *std::max_element(ratios.begin(), ratios.end()), "x");
    report("1 GiB card in memory: offload CPU time", median(offloadCpu), "s");
    report("peak resident memory", double(peakResidentBytes()) / MiB, "MiB");

    undoAll();
    return 0;
}
