// What a large history costs an offload: the whole `stowly-cli offload` command for a card of
// 800 photos of 2 MB, with an empty history and with one of 1,000,000 entries, in turns, five
// times each. Each command starts, loads the history, scans, copies, proves and records, and
// exits, as a user's command does. Loading the large history is also timed on its own, in this
// process, after the commands.
#include "BenchSupport.h"

#include "history/History.h"
#include "history/HistoryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace stowly;
using namespace stowly::bench;

namespace {

constexpr int photoCount = 800;
constexpr qint64 photoBytes = 2'000'000;
constexpr int historyEntries = 1'000'000;
constexpr int rounds = 5;

void writeHistory(const QString& path) {
    HistoryRecords records;
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1'796'340'389, Qt::UTC);
    for (int i = 0; i < historyEntries; ++i) {
        HistoryEntry e;
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
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(HistoryFile::encode(records)) < 0)
        qFatal("cannot write the history");
}

// A home of its own holding a copy of `history` as its ledger (none when empty).
QString makeHome(const QString& folder, const QString& history) {
    QDir(folder).removeRecursively();
    const QString data = folder + QStringLiteral("/.local/share/Stowly");
    QDir().mkpath(data);
    if (!history.isEmpty() && !QFile::copy(history, data + QStringLiteral("/ledger.json")))
        qFatal("cannot copy the history");
    return folder;
}

struct Command {
    double seconds;
    qint64 peakBytes;
};

// Runs the whole offload command with a home of its own.
Command offload(const QByteArray& program, const QString& card, const QString& home,
                const QString& destination) {
    QDir(destination).removeRecursively();
    QDir().mkpath(destination);
    ::sync();
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
    // The command's own peak memory; what this small process held when it forked is below it.
    int status = 0;
    struct rusage usage {};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        qFatal("the offload command failed");
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (QDir(destination).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort).isEmpty() &&
        QDir(destination).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty())
        qFatal("the offload command copied nothing");
    return {seconds, qint64(usage.ru_maxrss) * 1024};
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Side {
    QString name;
    QByteArray program;
    QList<double> empty, big;
    qint64 emptyPeak = 0, bigPeak = 0;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString folder = makeWorkFolder("history-offload");
    const QString card = folder + QStringLiteral("/card");
    writePhotos(card + QStringLiteral("/DCIM/100CANON"), photoCount, photoBytes);
    const QString history = folder + QStringLiteral("/history.json");
    writeHistory(history);
    const QString destination = folder + QStringLiteral("/dest");

    // STOWLY_CLI_BASELINE names another build of the program, measured in the same turns.
    QList<Side> sides{
        {QStringLiteral("this build"), QByteArrayLiteral(STOWLY_BIN_DIR "/stowly-cli")}};
    if (qEnvironmentVariableIsSet("STOWLY_CLI_BASELINE"))
        sides.append({QStringLiteral("baseline"), qgetenv("STOWLY_CLI_BASELINE")});
    // This process stays small while it starts the commands, so that their peaks are their own.
    for (int round = 0; round < rounds; ++round)
        for (Side& side : sides) {
            const Command empty = offload(
                side.program, card, makeHome(folder + QStringLiteral("/empty"), {}), destination);
            side.empty.append(empty.seconds);
            side.emptyPeak = std::max(side.emptyPeak, empty.peakBytes);
            // The same history every turn: what earlier turns added goes.
            const Command big =
                offload(side.program, card, makeHome(folder + QStringLiteral("/big"), history),
                        destination);
            side.big.append(big.seconds);
            side.bigPeak = std::max(side.bigPeak, big.peakBytes);
        }
    QList<double> loads;
    for (int round = 0; round < rounds; ++round)
        loads.append(secondsOf([&] { History ledger(history); }));

    bool met = true;
    for (const Side& side : sides) {
        const QString of = QStringLiteral(" (%1, median of %2)").arg(side.name).arg(rounds);
        report(QStringLiteral("stowly-cli offload of 800 photos, empty history") + of,
               median(side.empty), QStringLiteral("s"));
        report(QStringLiteral("stowly-cli offload of 800 photos, 1,000,000-entry history") + of,
               median(side.big), QStringLiteral("s"));
        report(QStringLiteral("ratio (target at most 1.15)") + of,
               median(side.big) / median(side.empty), QStringLiteral("x"));
        report(QStringLiteral("peak memory of the command, empty history (") + side.name + u')',
               double(side.emptyPeak) / 1e6, QStringLiteral("MB"));
        report(QStringLiteral("peak memory of the command, 1,000,000-entry history (") + side.name +
                   u')',
               double(side.bigPeak) / 1e6, QStringLiteral("MB"));
        met = met && (side.name != u"this build" || median(side.big) / median(side.empty) <= 1.15);
    }
    report(QStringLiteral("loading the 1,000,000-entry history (target under 0.5, median of 5)"),
           median(loads), QStringLiteral("s"));
    removeFolder(folder);
    return met && median(loads) < 0.5 ? 0 : 1;
}
