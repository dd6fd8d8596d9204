// What a history shared through a PostgreSQL server costs: looking up a card of 2,000 files
// among 10,000,000 copies of eight stations (the lookup a scan makes), and the whole
// `stowly-cli offload` command for a card of 800 photos of 2 MB with the server against the
// local history alone, in turns, five times each. The server is a real one of the benchmark's
// own, on a Unix socket, holding those ten million copies throughout.
#include "BenchSupport.h"

#include "history/ServerAddress.h"
#include "history/ServerHistory.h"
#include "support/PostgresServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

using namespace stowly;
using namespace stowly::bench;

namespace {

constexpr qint64 copies = 10'000'000;
constexpr int cardFiles = 2'000;
constexpr int photoCount = 800;
constexpr qint64 photoBytes = 2'000'000;
constexpr int rounds = 5;

// Ten million copies, as eight stations recording cards of 2,000 files would leave them, made
// by the server itself in batches that each finish well within psql's time limit.
void fill(test::PostgresServer& server) {
    constexpr qint64 batch = 500'000;
    for (qint64 first = 0; first < copies; first += batch) {
        bool ok = false;
        const QString made = server.query(
            QStringLiteral(
                "INSERT INTO stowly_copies (identity, station, source_key, card_name, "
                "source_relative_path, destination_path, size, sha256, offloaded_at) "
                "SELECT sha256(i::text::bytea), 'cart-' || (i / %3 %% 8), "
                "'CARD-' || (i / %3) || '|DCIM/100CANON/IMG_' || lpad((i %% %3)::text, 4, '0') "
                "|| '.CR3|' || (25000000 + i) || '|1700000000', 'EOS_DIGITAL', "
                "'DCIM/100CANON/IMG_' || lpad((i %% %3)::text, 4, '0') || '.CR3', "
                "'/media/cart/Footage/2026-10-25/Coastline/' || i || '.cr3', 25000000 + i, "
                "encode(sha256(i::text::bytea), 'hex'), to_timestamp(1765000000 + i) "
                "FROM generate_series(%1, %2) AS i")
                .arg(first)
                .arg(first + batch - 1)
                .arg(cardFiles)
                .replace(QStringLiteral("%%"), QStringLiteral("%")),
            &ok);
        if (!ok)
            qFatal("cannot fill the server: %s", qPrintable(made));
    }
    server.query(QStringLiteral("ANALYZE stowly_copies"));
}

QProcessEnvironment homeOf(const QString& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/.local/state"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    return environment;
}

// Runs stowly-cli in a home; the seconds it took.
double run(const QString& home, const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(homeOf(home));
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(STOWLY_BIN_DIR "/stowly-cli"), arguments);
    if (!process.waitForFinished(600'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qFatal("stowly-cli %s failed", qPrintable(arguments.join(u' ')));
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString why;
    const std::unique_ptr<test::PostgresServer> server = test::PostgresServer::start(&why);
    if (!server)
        qFatal("no PostgreSQL server: %s", qPrintable(why));
    QString error;
    const auto address = ServerAddress::parse(server->connectionString(), &error);
    // The tables, as Stowly makes them, then the copies straight into them.
    ServerHistory lookup(*address, QStringLiteral("bench"));
    if (!lookup.stationRecords(QStringLiteral("none"), &error))
        qFatal("%s", qPrintable(error));
    report(QStringLiteral("filling the server with 10,000,000 copies"),
           secondsOf([&] { fill(*server); }), QStringLiteral("s"));

    std::vector<double> lookups;
    qsizetype found = 0;
    for (int round = 0; round < rounds; ++round)
        lookups.push_back(secondsOf([&] {
            const auto records = lookup.otherStationsRecords(
                QStringLiteral("CARD-%1").arg(1234 + round * 97), &error);
            if (!records)
                qFatal("%s", qPrintable(error));
            found = records->size();
        }));
    if (found != cardFiles)
        qFatal("the lookup found %lld copies, not %d", qlonglong(found), cardFiles);
    report(QStringLiteral("one card's 2,000 copies among 10,000,000, connection included "
                          "(target under 1, median of 5)"),
           median(lookups), QStringLiteral("s"));

    const QString folder = makeWorkFolder(QStringLiteral("history-server"));
    QString card = folder + QStringLiteral("/card-0");
    writePhotos(card + QStringLiteral("/DCIM/100CANON"), photoCount, photoBytes);
    std::vector<double> alone;
    std::vector<double> shared;
    for (int round = 0; round < rounds; ++round) {
        // A folder is known by its name: under a new one the card is new to the server too, as
        // the copies of the round before are gone from its destination.
        const QString renamed = folder + QStringLiteral("/card-%1").arg(round);
        if (renamed != card && !QDir().rename(card, renamed))
            qFatal("cannot rename the card");
        card = renamed;
        for (const bool withServer : {false, true}) {
            const QString home = folder + QStringLiteral("/home");
            const QString destination = folder + QStringLiteral("/dest");
            removeFolder(home);
            removeFolder(destination);
            QDir().mkpath(destination);
            if (withServer) {
                run(home, {QStringLiteral("settings"), QStringLiteral("historyServer"),
                           server->connectionString()});
                run(home, {QStringLiteral("settings"), QStringLiteral("stationName"),
                           QStringLiteral("bench-%1").arg(round)});
            }
            (withServer ? shared : alone)
                .push_back(
                    run(home, {QStringLiteral("offload"), card, QStringLiteral("--to"), destination,
                               QStringLiteral("--project"), QStringLiteral("Bench")}));
        }
    }
    const QString held = server->query(
        QStringLiteral("SELECT count(*) FROM stowly_copies WHERE station LIKE 'bench-%'"));
    if (held != QString::number(photoCount * rounds))
        qFatal("the server holds %s of the offloads' copies", qPrintable(held));
    report(QStringLiteral("stowly-cli offload of 800 photos, local history alone (median of 5)"),
           median(alone), QStringLiteral("s"));
    report(QStringLiteral("stowly-cli offload of 800 photos, with the server (median of 5)"),
           median(shared), QStringLiteral("s"));
    const double ratio = median(shared) / median(alone);
    report(QStringLiteral("ratio (goal at most 1.10)"), ratio, QStringLiteral("x"));
    removeFolder(folder);
    return median(lookups) < 1.0 && ratio <= 1.10 ? 0 : 1;
}
