// What a large history costs an offload: the whole `stowly-cli offload` command for a card of
// 800 photos of 2 MB, with an empty history and with one of 1,000,000 entries, in turns, three
// times each. Each command starts, loads the history, scans, copies, proves and records, and
// exits, as a user's command does. Loading the large history is also timed on its own, in this
// process.
#include "BenchSupport.h"

#include "history/Ledger.h"
#include "history/LedgerFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace stowly;
using namespace stowly::bench;

namespace {

constexpr int photoCount = 800;
constexpr qint64 photoBytes = 2'000'000;
constexpr int historyEntries = 1'000'000;
constexpr int rounds = 3;

void writePhotos(const QString& folder) {
    QDir().mkpath(folder);
    std::vector<quint64> block(photoBytes / 8 + 1);
    quint64 state = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < photoCount; ++i) {
        for (quint64& word : block) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            word = state;
        }
        QFile file(folder + QStringLiteral("/IMG_%1.JPG").arg(i, 4, 10, QChar(u'0')));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(block.data()), photoBytes) != photoBytes)
            qFatal("cannot write the card");
    }
}

QByteArray historyBytes() {
    LedgerRecords records;
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1'796'340'389, Qt::UTC);
    for (int i = 0; i < historyEntries; ++i) {
        LedgerEntry e;
        e.sourceRelativePath = QStringLiteral("DCIM/%1CANON/IMG_%2.CR3")
                                   .arg(100 + i / 9999)
                                   .arg(i % 9999, 4, 10, QChar(u'0'));
        e.sourceKey = QStringLiteral("OTHER-CARD|") + e.sourceRelativePath +
                      QStringLiteral("|%1|%2").arg(25'000'000 + i).arg(1'700'000'000 + i);
        e.cardName = QStringLiteral("EOS_DIGITAL");
        e.destinationPath =
            QStringLiteral("/media/user/Footage/2026-10-25/Coastline/CR3/2026-10-25_%1.cr3")
                .arg(i, 7, 10, QChar(u'0'));
        e.size = 25'000'000 + i;
        e.sha256 = QStringLiteral("%1").arg(quint64(i) * 2654435761u, 64, 16, QChar(u'0'));
        e.offloadedAt = when;
        records.append(e);
    }
    return LedgerFile::encode(records);
}

// A home of its own holding `history` as its ledger (none when empty).
QString makeHome(const QString& folder, const QByteArray& history) {
    QDir(folder).removeRecursively();
    const QString data = folder + QStringLiteral("/.local/share/Stowly");
    QDir().mkpath(data);
    if (!history.isEmpty()) {
        QFile file(data + QStringLiteral("/ledger.json"));
        if (!file.open(QIODevice::WriteOnly) || file.write(history) != history.size())
            qFatal("cannot write the history");
    }
    return folder;
}

struct Command {
    double seconds;
    qint64 peakBytes;
};

// Runs the whole offload command with a home of its own.
Command offload(const QString& card, const QString& home, const QString& destination) {
    QDir(destination).removeRecursively();
    QDir().mkpath(destination);
    ::sync();
    // STOWLY_CLI names another build of the program to compare with.
    const QByteArray program = qEnvironmentVariableIsSet("STOWLY_CLI")
                                   ? qgetenv("STOWLY_CLI")
                                   : QByteArrayLiteral(STOWLY_BIN_DIR "/stowly-cli");
    const QByteArray cardPath = card.toUtf8(), to = destination.toUtf8();
    QList<QByteArray> env = {"HOME=" + home.toUtf8(),
                             "XDG_DATA_HOME=" + home.toUtf8() + "/.local/share",
                             "XDG_CONFIG_HOME=" + home.toUtf8() + "/.config",
                             "XDG_STATE_HOME=" + home.toUtf8() + "/.local/state",
                             "XDG_CACHE_HOME=" + home.toUtf8() + "/.cache"};
    for (char** e = environ; *e; ++e)
        if (!QByteArray(*e).startsWith("HOME=") && !QByteArray(*e).startsWith("XDG_"))
            env.append(*e);
    std::vector<char*> envp;
    for (QByteArray& pair : env)
        envp.push_back(pair.data());
    envp.push_back(nullptr);
    const char* argv[] = {program.constData(),
                          "offload",
                          cardPath.constData(),
                          "--to",
                          to.constData(),
                          "--project",
                          "Bench",
                          nullptr};
    // Closed by the exec: until then the child is a copy of this process, memory and all.
    int started[2];
    if (::pipe2(started, O_CLOEXEC) != 0)
        qFatal("cannot make a pipe");
    QElapsedTimer clock;
    clock.start();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execve(program.constData(), const_cast<char* const*>(argv), envp.data());
        ::_exit(127);
    }
    ::close(started[1]);
    char ignored;
    while (::read(started[0], &ignored, 1) < 0 && errno == EINTR) {
    }
    ::close(started[0]);
    // The command's own peak memory (a fresh address space after exec), read until it ends.
    qint64 peak = 0;
    int status = 0;
    for (;;) {
        QFile proc(QStringLiteral("/proc/%1/status").arg(child));
        if (proc.open(QIODevice::ReadOnly))
            for (const QByteArray& line : proc.readAll().split('\n'))
                if (line.startsWith("VmHWM:"))
                    peak = std::max(peak, line.mid(6).trimmed().split(' ').value(0).toLongLong());
        const pid_t ended = ::waitpid(child, &status, WNOHANG);
        if (ended == child)
            break;
        if (ended < 0)
            qFatal("cannot wait for the offload command");
        ::usleep(20'000);
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("the offload command failed");
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (QDir(destination).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort).isEmpty() &&
        QDir(destination).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty())
        qFatal("the offload command copied nothing");
    return {seconds, peak * 1024};
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString folder = makeWorkFolder("history-offload");
    const QString card = folder + QStringLiteral("/card");
    writePhotos(card + QStringLiteral("/DCIM/100CANON"));
    const QByteArray bigHistory = historyBytes();
    const QString destination = folder + QStringLiteral("/dest");

    QList<double> emptyRuns, bigRuns, loads;
    qint64 emptyPeak = 0, bigPeak = 0;
    for (int round = 0; round < rounds; ++round) {
        const Command empty =
            offload(card, makeHome(folder + QStringLiteral("/empty"), {}), destination);
        emptyRuns.append(empty.seconds);
        emptyPeak = std::max(emptyPeak, empty.peakBytes);
        // The same history every round: what earlier rounds added goes.
        const QString bigHome = makeHome(folder + QStringLiteral("/big"), bigHistory);
        const Command big = offload(card, bigHome, destination);
        bigRuns.append(big.seconds);
        bigPeak = std::max(bigPeak, big.peakBytes);
        makeHome(bigHome, bigHistory);
        loads.append(secondsOf(
            [&] { Ledger ledger(bigHome + QStringLiteral("/.local/share/Stowly/ledger.json")); }));
    }
    report(QStringLiteral("stowly-cli offload of 800 photos, empty history (median of 3)"),
           median(emptyRuns), QStringLiteral("s"));
    report(
        QStringLiteral("stowly-cli offload of 800 photos, 1,000,000-entry history (median of 3)"),
        median(bigRuns), QStringLiteral("s"));
    report(QStringLiteral("ratio (target at most 1.15)"), median(bigRuns) / median(emptyRuns),
           QStringLiteral("x"));
    report(QStringLiteral("loading the 1,000,000-entry history (target under 0.5)"), median(loads),
           QStringLiteral("s"));
    report(QStringLiteral("peak memory of the command, empty history"), double(emptyPeak) / 1e6,
           QStringLiteral("MB"));
    report(QStringLiteral("peak memory of the command, 1,000,000-entry history"),
           double(bigPeak) / 1e6, QStringLiteral("MB"));
    removeFolder(folder);
    return median(bigRuns) / median(emptyRuns) <= 1.15 && median(loads) < 0.5 ? 0 : 1;
}
