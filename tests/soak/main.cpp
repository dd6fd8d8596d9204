// The fault campaign: real offloads by stowly-cli, killed at random moments or with failing file
// calls, each case checked from outside afterwards.
//
//   stowly_soak [--short] [--seed N] [--kills N] [--faults N] [--case N] [--run-ms N]
//               [--pair-run-ms N] [--cascade-run-ms N] [--keep]
//
// --short is the quick round the test suite runs; --case runs one case of a campaign alone, to
// reproduce it, and --run-ms, --pair-run-ms and --cascade-run-ms give it the lengths of the
// whole runs that campaign printed (one card, two cards, one card with a cascade), so its kills
// come at the same moments; --keep leaves the scratch folder behind.

#include "Campaign.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

#include <cstdio>
#include <functional>

using namespace stowly::soak;

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    CampaignOptions options;
    options.seed = 20261206;
    options.kills = 1000;
    options.faults = 10000;
    options.smallFiles = 40;
    options.largeFiles = 3;
    options.largestSize = 8 << 20;
    options.program = QStringLiteral(STOWLY_SOAK_PROGRAM);
    options.faultModule = QStringLiteral(STOWLY_SOAK_FAULT_MODULE);

    const QHash<QString, std::function<void(qulonglong)>> numbers{
        {"--seed", [&](qulonglong n) { options.seed = n; }},
        {"--kills", [&](qulonglong n) { options.kills = qint64(n); }},
        {"--faults", [&](qulonglong n) { options.faults = qint64(n); }},
        {"--case", [&](qulonglong n) { options.onlyCase = int(n); }},
        {"--run-ms", [&](qulonglong n) { options.fullRunMs = qint64(n); }},
        {"--pair-run-ms", [&](qulonglong n) { options.pairRunMs = qint64(n); }},
        {"--cascade-run-ms", [&](qulonglong n) { options.cascadeRunMs = qint64(n); }},
    };
    const QStringList arguments = application.arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        bool ok = false;
        if (argument == u"--short") {
            options.kills = 30;
            options.faults = 300;
            options.smallFiles = 16;
            options.largeFiles = 2;
            options.largestSize = 3 << 20;
            options.shareCases = 2;
            options.historyServerCases = 2;
        } else if (argument == u"--keep") {
            options.keepFolders = true;
        } else if (numbers.contains(argument) && i + 1 < arguments.size()) {
            numbers[argument](arguments.at(++i).toULongLong(&ok));
            if (!ok) {
                std::fprintf(stderr, "%s needs a number\n", qPrintable(argument));
                return 2;
            }
        } else {
            std::fprintf(stderr,
                         "usage: %s [--short] [--seed N] [--kills N] [--faults N] [--case N] "
                         "[--run-ms N] [--pair-run-ms N] [--cascade-run-ms N] [--keep]\n",
                         argv[0]);
            return 2;
        }
    }
    if (!QFile::exists("/usr/lib/fiu/fiu_posix_preload.so")) {
        std::fprintf(stderr, "libfiu's POSIX preload library is not installed (fiu-utils)\n");
        return 2;
    }
    return Campaign(options).run();
}
