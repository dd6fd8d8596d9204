// Copies one file with the copier and prints the outcome, for tests that run it under libfiu's
// POSIX preload library (as fiu-run -x does) so that real system calls fail. The fault is switched
// on only around the copy, so that starting up and printing are never affected.
//
//   stowly_copy_probe <fault point|none> <errno> <calls let through> <source> <destination>
//
// Prints "chunks <sizes>", "faults <calls of the fault point>" and then either "ok <digest>"
// or "failed <system|other> <description>".

#include "base/FileNames.h"
#include "copy/Copier.h"

#include <QStringList>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <dlfcn.h>

namespace {

using ExternalDecision = int(const char*, int*, void**, unsigned int*);
using EnableExternal = int(const char*, int, void*, unsigned int, ExternalDecision*);
using Disable = int(const char*);

std::atomic<int> callsSeen{0};
int callsLetThrough = 0;

int decide(const char*, int*, void**, unsigned int*) {
    return ++callsSeen > callsLetThrough ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: %s <fault point|none> <errno> <calls let through> <source> "
                     "<destination>\n",
                     argv[0]);
        return 2;
    }
    const QByteArray point = argv[1];
    const auto failinfo = reinterpret_cast<void*>(std::intptr_t(std::atoi(argv[2])));
    callsLetThrough = std::atoi(argv[3]);

    auto* enable = reinterpret_cast<EnableExternal*>(::dlsym(RTLD_DEFAULT, "fiu_enable_external"));
    auto* disable = reinterpret_cast<Disable*>(::dlsym(RTLD_DEFAULT, "fiu_disable"));
    if (point != "none" && (!enable || !disable)) {
        std::fprintf(stderr,
                     "libfiu is not loaded; run under fiu-run -x or with its preload libraries\n");
        return 2;
    }

    QStringList chunks;
    const auto onBytes = [&](qint64 count) { chunks.append(QString::number(count)); };
    if (point != "none" && enable(point.constData(), 1, failinfo, 0, decide) != 0) {
        std::fprintf(stderr, "cannot enable %s\n", point.constData());
        return 2;
    }
    const stowly::CopyResult result =
        stowly::Copier::copyAndVerify(argv[4], stowly::fileNames::decode(argv[5]), onBytes, {});
    if (point != "none")
        disable(point.constData());

    std::printf("chunks %s\n", qPrintable(chunks.join(u',')));
    std::printf("faults %d\n", callsSeen.load());
    if (result.ok())
        std::printf("ok %s\n", qPrintable(result.digest()));
    else
        // The injected faults are failing system calls, so only that kind is told apart.
        std::printf("failed %s %s\n",
                    result.failure().kind == stowly::CopyFailure::Kind::system ? "system" : "other",
                    result.failure().description.toUtf8().constData());
    return result.ok() ? 0 : 1;
}
