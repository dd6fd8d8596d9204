#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace stowly::bench {

inline constexpr qint64 MiB = 1024 * 1024;

struct SourceFile {
    QString name;
    qint64 size;
};

// A card's worth of `bytes` in folder: three large clips and many 5–30 MB photos of
// incompressible content, flushed to the disk. The same set for the same size every time.
QList<SourceFile> makeMixedSet(const QString& folder, qint64 bytes);
// `count` clips "C0001.MP4"… of `size` bytes each, made as makeMixedSet makes its files.
QList<SourceFile> makeClips(const QString& folder, int count, qint64 size);

// `count` photos "IMG_0000.JPG"… of `bytes` each, of incompressible content that is the same
// every time.
void writePhotos(const QString& folder, int count, qint64 bytes);

// Wall-clock seconds one call takes.
double secondsOf(const std::function<void()>& work);
// Best of several runs, in seconds: the figure least disturbed by the rest of the machine.
double bestOf(int runs, const std::function<void()>& work);
// Peak resident memory of this process so far, in bytes.
qint64 peakResidentBytes();
// A fresh folder under the temporary folder (or under $STOWLY_BENCH_DIR when set, to measure
// on another disk); removed by the caller.
QString makeWorkFolder(const QString& name);
void removeFolder(const QString& path);
// Runs a shell command and returns its exit status.
int shell(const QString& command);
// Runs a program and returns what it printed, trimmed; a failure ends the benchmark.
QString output(const QString& program, const QStringList& arguments);
// Drops the page cache when the process may (root); returns whether it did.
bool dropCaches();
// Prints one result line: "<name>: <value> <unit>".
void report(const QString& name, double value, const QString& unit);
double median(std::vector<double> values);
// CPU time of this process so far, on all its threads, in seconds.
double cpuSeconds();
// Writes all of `text` to a file, a control file of the kernel's mostly; returns whether it did.
bool writeTo(const QString& path, const QByteArray& text);
// A block device's "major:minor", as the blkio controller's rules name it.
QByteArray deviceNumbers(const QString& device);

// A shell command that undoes a step of the set-up. undoAll() runs them in reverse order; so
// does a failure half way (qFatal) or an interrupt: loop devices, mounts and groups left
// behind would outlive the benchmark on a shared machine. The first call must come before the
// benchmark starts threads, which then leave interrupts to the one that undoes.
void undoLater(const QString& command);
void undoAll();
// An ext4 image of `size` (as truncate takes it) behind a loop device, mounted at `mount`;
// returns the device. Undone by undoAll().
QString makeDrive(const QString& image, const QString& size, const QString& mount);
// Where the cgroup v1 blkio controller is, on a machine that has it.
inline constexpr char blkioRoot[] = "/sys/fs/cgroup/blkio";
// A fresh blkio group that this process joins, all its threads, until undoAll(); returns its
// folder, where the rules for its devices go.
QString joinBlkioGroup();

} // namespace stowly::bench
