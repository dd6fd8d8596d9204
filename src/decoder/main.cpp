// stowly-decoder: draws card files for the window, confined, in a process of its own, so that a
// file that crashes or hangs a decoder takes nothing else with it. The program that starts it
// passes a Unix socket as descriptor 3 and sends each file as an open descriptor.

#include "decode/DecodeService.h"
#include "decode/DecoderSandbox.h"
#include "media/DecoderLaunch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int socketDescriptor = 3;

// What the confinement leaves this process able to do, one line each, for the tests.
int reportConfinement() {
    QTextStream out(stdout);
    const int network = ::socket(AF_INET, SOCK_STREAM, 0);
    out << "network: " << (network < 0 ? "refused" : "allowed") << '\n';
    const int written = ::open("/tmp", O_WRONLY | O_TMPFILE, 0600);
    out << "writing files: " << (written < 0 ? "refused" : "allowed") << '\n';
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    out << "starting processes: " << (child < 0 ? "refused" : "allowed") << '\n';
    const int read = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    out << "reading files: " << (read < 0 ? "refused" : "allowed") << '\n';
    out << "home folder: " << (QFileInfo::exists(QDir::homePath()) ? "in sight" : "out of sight")
        << '\n';
    return 0;
}

// Work that must give way to a copy: the lowest CPU priority, and the idle I/O class where the
// disk's scheduler has one. Done before the confinement, which refuses both calls.
void lowerPriority() {
    ::setpriority(PRIO_PROCESS, 0, 19);
    constexpr int whoProcess = 1, idleClass = 3, classShift = 13;
    ::syscall(SYS_ioprio_set, whoProcess, 0, idleClass << classShift);
}

} // namespace

#if defined(__SANITIZE_ADDRESS__)
// The confinement refuses what the leak checker needs at exit (stopping the process's threads),
// and the checker's fatal error would make every helper end in failure.
extern "C" int __lsan_is_turned_off() {
    return 1;
}
#endif

int main(int argc, char** argv) {
    // Ends with the program that started it.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    QCoreApplication app(argc, argv);
    if (app.arguments().contains(QLatin1String(stowly::decoderLaunch::backgroundArgument)))
        lowerPriority();
    stowly::decoderSandbox::warmUp();
    const QStringList missing = stowly::decoderSandbox::confine();
    for (const QString& gap : missing)
        QTextStream(stderr) << "stowly-decoder: " << gap << '\n';
    if (app.arguments().contains(QStringLiteral("--report-confinement")))
        return reportConfinement();
    // An orphan needs no check of its own: its socket's other end is closed, and it ends at
    // the first read.
    if (::fcntl(socketDescriptor, F_GETFD) < 0) {
        QTextStream(stderr) << "stowly-decoder: started by Stowly only\n";
        return 2;
    }
    stowly::DecodeService::serve(socketDescriptor);
    return 0;
}
