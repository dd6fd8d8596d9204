#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

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

} // namespace stowly::bench
