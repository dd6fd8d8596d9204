// Walking a card of 20,000 files in 200 folders against `find` over the same tree.
#include "BenchSupport.h"

#include "media/ClipScanner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <sys/resource.h>

using namespace stowly;
using namespace stowly::bench;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString root = makeWorkFolder("scan");
    for (int folder = 0; folder < 200; ++folder) {
        const QString dir = root + QStringLiteral("/DCIM/%1MSDCF").arg(100 + folder);
        QDir().mkpath(dir);
        for (int file = 0; file < 100; ++file) {
            QFile f(dir + QStringLiteral("/DSC%1.%2")
                              .arg(folder * 100 + file, 5, 10, QChar(u'0'))
                              .arg(file % 3 == 0   ? "ARW"
                                   : file % 3 == 1 ? "JPG"
                                                   : "MP4"));
            f.open(QIODevice::WriteOnly);
            f.write("x");
        }
    }
    // Warm the cache for both, then take the best of several runs of each.
    qsizetype clips = 0;
    const auto scan = [&] {
        clips = ClipScanner::scanReport(root, ClipScanner::allCategories(), FileRules::standard())
                    .clips.size();
    };
    const QString findCommand =
        QStringLiteral("find '%1' -printf '%s %T@\\n' >/dev/null").arg(root);
    scan();
    shell(findCommand);
    const double scanSeconds = bestOf(7, scan);
    const double findSeconds = bestOf(7, [&] { shell(findCommand); });

    struct rusage before, after;
    ::getrusage(RUSAGE_SELF, &before);
    for (int i = 0; i < 5; ++i)
        scan();
    ::getrusage(RUSAGE_SELF, &after);
    const auto ms = [](const timeval& a, const timeval& b) {
        return (b.tv_sec - a.tv_sec) * 1000.0 + (b.tv_usec - a.tv_usec) / 1000.0;
    };
    QTextStream(stdout) << "scan cpu per run: user " << ms(before.ru_utime, after.ru_utime) / 5
                        << " ms, system " << ms(before.ru_stime, after.ru_stime) / 5 << " ms\n";
    ::getrusage(RUSAGE_CHILDREN, &before);
    for (int i = 0; i < 5; ++i)
        shell(findCommand);
    ::getrusage(RUSAGE_CHILDREN, &after);
    QTextStream(stdout) << "find cpu per run: user " << ms(before.ru_utime, after.ru_utime) / 5
                        << " ms, system " << ms(before.ru_stime, after.ru_stime) / 5 << " ms\n";
    QTextStream(stdout) << "clips found: " << clips << '\n';
    report("ClipScanner.scanReport, 20,000 files in 200 folders", scanSeconds * 1000, "ms");
    report("find -printf '%s %T@' over the same tree", findSeconds * 1000, "ms");
    report("ratio (target at most 1.5)", scanSeconds / findSeconds, "x");
    removeFolder(root);
    return clips == 20000 ? 0 : 1;
}
