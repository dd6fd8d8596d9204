#include "Campaign.h"

#include "CaseInspector.h"
#include "CaseWorld.h"
#include "SoakCard.h"
#include "support/NetworkShare.h"
#include "support/PostgresServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <cerrno>
#include <cmath>
#include <cstdio>

namespace stowly::soak {
namespace {

// A run that could not write the history copies all the same and says so.
const QString historyNotSaved = QStringLiteral("Stowly won’t remember them");

const QString alreadyOffloaded = QStringLiteral("Everything on this card is already offloaded");
// Said once the card's part of an offload is done, or there was nothing new on it, and only the
// cascaded copies are left.
const QStringList cardFree{QStringLiteral("can be taken out"),
                           QStringLiteral("Making the backups of")};
const QString failedRun = QStringLiteral("an offload failed, crashed or hung");
const QString unreadSaidNothing = QStringLiteral("a card not read through said nothing to copy");
const QString unreadSaidDone = QStringLiteral("a card not read through was reported as done");
const QString unreadSilent = QStringLiteral("a card not read through went unsaid");

// Every case draws from a generator of its own, so one case runs alone as it ran among all.
std::mt19937_64 caseRandom(quint64 seed, int number) {
    std::seed_seq sequence{quint32(seed), quint32(seed >> 32), quint32(number)};
    return std::mt19937_64(sequence);
}

// Exit status 3 with this message means an earlier run already copied everything.
bool finishedCleanly(const RunOutcome& outcome) {
    return outcome.status == 0 ||
           (outcome.status == 3 && QString::fromUtf8(outcome.err).contains(alreadyOffloaded));
}

QString describe(const RunOutcome& outcome) {
    if (outcome.hung)
        return QStringLiteral("did not end within the time allowed");
    if (outcome.crashed)
        return QStringLiteral("crashed");
    // What it said, without the line of progress per file; and why files failed.
    QStringList said;
    for (const QString& line : QString::fromUtf8(outcome.err).split(u'\n', Qt::SkipEmptyParts))
        if (!line.contains(QRegularExpression(QStringLiteral("^\\d+/\\d+ "))))
            said << line;
    for (const QString& line : QString::fromUtf8(outcome.out).split(u'\n', Qt::SkipEmptyParts))
        if (line.startsWith(QStringLiteral("  ")))
            said << line.trimmed();
    return QStringLiteral("ended with status %1: %2").arg(outcome.status).arg(said.join(" | "));
}

// A run whose walk over the card failed: it must say so and fail, whatever it copied, and
// never call the card empty or offloaded.
QList<Problem> unreadCardProblems(const RunOutcome& outcome) {
    const QString said = QString::fromUtf8(outcome.err);
    QList<Problem> problems;
    if (said.contains(alreadyOffloaded) || said.contains(QStringLiteral("This card is empty")))
        problems << Problem{unreadSaidNothing, describe(outcome)};
    else if (outcome.status == 0)
        problems << Problem{unreadSaidDone, describe(outcome)};
    if (!said.contains(QStringLiteral("Stowly couldn’t read")))
        problems << Problem{unreadSilent, describe(outcome)};
    return problems;
}

} // namespace

Campaign::Campaign(const CampaignOptions& options) : m_options(options) {}

Campaign::~Campaign() = default;

void Campaign::violations(int number, const QString& when, const QList<Problem>& problems) {
    if (problems.isEmpty())
        return;
    if (m_lastCaseReported != number) {
        ++m_tally.casesWithViolations;
        m_kindsInCase.clear();
    }
    m_lastCaseReported = number;
    m_tally.violations += problems.size();
    for (const Problem& problem : problems) {
        auto& [count, cases] = m_tally.byKind[problem.kind];
        ++count;
        if (!m_kindsInCase.contains(problem.kind)) {
            m_kindsInCase.insert(problem.kind);
            ++cases;
        }
        std::printf("VIOLATION case %d (%s): %s\n", number, qPrintable(when),
                    qPrintable(problem.text));
    }
    std::fflush(stdout);
}

std::optional<qint64> Campaign::wholeRunMs(const QString& folder, const QList<InspectedCard>& cards,
                                           bool cascade) {
    QStringList paths;
    for (const InspectedCard& card : cards)
        paths << card.card->path();
    qint64 longest = 0;
    for (int i = 1; i <= 3; ++i) {
        const CaseWorld world(m_options.program, m_options.faultModule,
                              folder + u'/' + QString::number(i), paths, cascade);
        const RunOutcome full = world.offload(std::nullopt, std::nullopt, 600000);
        if (full.status != 0) {
            std::printf("An offload without faults failed: %s\n", qPrintable(describe(full)));
            return std::nullopt;
        }
        longest = std::max(longest, full.milliseconds);
        CaseInspector inspector(world, cards);
        violations(0, QStringLiteral("an offload without faults"), inspector.checkComplete());
    }
    return longest;
}

bool Campaign::calibrate(const QString& folder) {
    for (InspectedCard& card : m_cards) {
        const CaseWorld world(m_options.program, m_options.faultModule, folder + "/scan",
                              {card.card->path()});
        const RunOutcome scan = world.run({"scan", card.card->path(), "--json"}, 60000);
        card.identity = QJsonDocument::fromJson(scan.out)
                            .object()
                            .value("card")
                            .toObject()
                            .value("identity")
                            .toString();
        if (scan.status != 0 || card.identity.isEmpty()) {
            std::printf("stowly-cli cannot scan the card: %s\n", qPrintable(describe(scan)));
            return false;
        }
    }
    if (m_cards[0].identity == m_cards[1].identity) {
        std::printf("The two cards have one identity, %s\n", qPrintable(m_cards[0].identity));
        return false;
    }
    // The longest of three, so that late kills reach the end of a slow run too.
    const std::optional<qint64> alone = wholeRunMs(folder + "/one", {m_cards[0]}, false);
    const std::optional<qint64> both = wholeRunMs(folder + "/two", m_cards, false);
    const std::optional<qint64> cascade = wholeRunMs(folder + "/cascade", {m_cards[0]}, true);
    if (!alone || !both || !cascade)
        return false;
    m_fullRunMs = m_options.fullRunMs.value_or(*alone);
    m_pairRunMs = m_options.pairRunMs.value_or(*both);
    m_cascadeRunMs = m_options.cascadeRunMs.value_or(*cascade);
    m_allowedMs =
        std::max<qint64>(60000, 20 * std::max({m_fullRunMs, m_pairRunMs, m_cascadeRunMs}));
    std::printf("A whole offload takes %lld ms, of both cards in one command %lld ms, of one "
                "with a cascade %lld ms; kills land from 3 ms to that.\n",
                m_fullRunMs, m_pairRunMs, m_cascadeRunMs);
    return m_tally.violations == 0;
}

QString Campaign::account(int number, const QString& when, const RunOutcome& outcome,
                          const OffloadStart& start, qint64& reach) {
    ++m_tally.runs;
    bool failed = outcome.crashed || outcome.hung;
    QString step;
    if (start.killAfterMs) {
        step = start.killAfterSaying.isEmpty()
                   ? QStringLiteral("killed after %1 ms").arg(*start.killAfterMs)
                   : QStringLiteral("killed %1 ms after the card was free").arg(*start.killAfterMs);
        if (outcome.killed) {
            ++m_tally.kills;
            m_tally.killsAfterCard += !start.killAfterSaying.isEmpty();
        } else if (finishedCleanly(outcome) ||
                   // A kill just after a first copy was proved may leave its backup to be made
                   // from the card again, which the program asks for rather than do unasked.
                   (m_cascading && outcome.status == 3 &&
                    QString::fromUtf8(outcome.err).contains(QStringLiteral("choose Re-offload")))) {
            ++m_tally.endedBeforeKill;
            reach = std::max(reach, outcome.milliseconds);
            step += QStringLiteral(" (ended before)");
        } else {
            failed = true;
        }
    } else if (const std::optional<FaultPlan>& plan = start.faults) {
        ++m_tally.faultedRuns;
        m_tally.faults += outcome.faults;
        if (plan->scan) {
            ++m_tally.scanFaultedRuns;
            m_tally.scanFaults += outcome.faults;
        }
        const QStringList errnoNames{"EIO", "ENOSPC", "EIO+ENOSPC"};
        step = plan->scan
                   ? QStringLiteral("p=%1 in the walk over the card, %2 faults")
                         .arg(plan->probability, 0, 'f', 4)
                         .arg(outcome.faults)
                   : QStringLiteral("p=%1 %2%3, %4 faults")
                         .arg(plan->probability, 0, 'f', 4)
                         .arg(plan->errnos.size() > 1           ? errnoNames[2]
                              : plan->errnos.value(0) == ENOSPC ? errnoNames[1]
                                                                : errnoNames[0])
                         .arg(plan->history ? QStringLiteral(" with the history") : QString())
                         .arg(outcome.faults);
    } else {
        step = QStringLiteral("without faults");
        failed = failed || !finishedCleanly(outcome);
    }
    const QString what = when + step;
    if (failed)
        violations(number, what, {{failedRun, describe(outcome)}});
    else if (start.faults && start.faults->scan && outcome.faults > 0)
        violations(number, what, unreadCardProblems(outcome));
    return step;
}

// Odd cases kill runs at random moments, even ones make their file calls fail; a last whole run
// then has to finish the offload. Every third case offloads two cards into one folder, in one
// command or in two at once, each killed or failing on its own. Half the cases cascade to a
// backup, where the faults hit the backup's copies too; with one card, half their kills come
// once the card is free, while only the cascade is at work.
void Campaign::runCase(int number, const QString& folder, std::mt19937_64& random) {
    if (number % 4 == 2 && m_tally.shareCases < m_options.shareCases) {
        runShareCase(number, folder, random);
        return;
    }
    if (number % 8 == 5 && m_tally.historyServerCases < m_options.historyServerCases) {
        runHistoryServerCase(number, folder, random);
        return;
    }
    const bool kills = number % 2 == 1;
    const bool pair = number % 3 == 0;
    const bool cascade = std::bernoulli_distribution(0.5)(random);
    m_cascading = cascade;
    ++(kills ? m_tally.killCases : m_tally.faultCases);
    if (pair)
        ++(kills ? m_tally.pairKillCases : m_tally.pairFaultCases);
    if (cascade)
        ++(kills ? m_tally.cascadeKillCases : m_tally.cascadeFaultCases);
    const QString kind = QStringLiteral("%1%2%3 case")
                             .arg(pair ? QStringLiteral("two-card ") : QString(),
                                  cascade ? QStringLiteral("cascade ") : QString(),
                                  kills ? QStringLiteral("kill") : QStringLiteral("fault"));
    const QList<InspectedCard> cards = pair ? m_cards : QList<InspectedCard>{m_cards[0]};
    QStringList paths;
    for (const InspectedCard& card : cards)
        paths << card.card->path();
    const CaseWorld world(m_options.program, m_options.faultModule, folder, paths, cascade);
    CaseInspector inspector(world, cards);
    const int runs = std::uniform_int_distribution<int>(1, kills ? 6 : 3)(random);
    const QList<QList<int>> errnoChoices{{EIO}, {ENOSPC}, {EIO, ENOSPC}};
    // A card or reader that fails, a card pulled out, a folder the system won't open.
    const QList<int> scanErrnos{EIO, ENOTCONN, EACCES};
    // How one command fails; the walk over the card only where the command has one card, so
    // that what it says about the card it could not read is its own.
    const auto faultPlan = [&](bool oneCard) {
        FaultPlan plan;
        // From one call in a hundred to one in three: the first fails a file here and there,
        // the last nearly every file.
        plan.probability = 0.01 * std::pow(33.0, std::uniform_real_distribution<>(0, 1)(random));
        plan.errnos = errnoChoices.at(std::uniform_int_distribution<int>(0, 2)(random));
        plan.seed = random();
        plan.history = std::bernoulli_distribution(0.5)(random);
        // One run in four fails the walk over the card instead of the copying.
        plan.scan = std::bernoulli_distribution(0.25)(random) && oneCard;
        if (plan.scan)
            plan.errnos = scanErrnos;
        return plan;
    };
    // Kills land anywhere in a whole run, with what a cascade adds to it; once a run has ended
    // before its kill, within what is left of the work.
    const qint64 tail = std::max<qint64>(10, m_cascadeRunMs - m_fullRunMs);
    qint64 reach = (pair ? m_pairRunMs : m_fullRunMs) + (cascade ? (pair ? 2 : 1) * tail : 0);
    QStringList steps;
    for (int i = 1; i <= runs; ++i) {
        const qint64 within = reach;
        const auto killAt = [&] {
            return std::uniform_int_distribution<qint64>(3, std::max<qint64>(4, within))(random);
        };
        QList<OffloadStart> starts;
        if (pair && std::bernoulli_distribution(0.5)(random)) {
            // One of the two, or both, fail; the other copies beside it.
            const int faulted = std::uniform_int_distribution<int>(1, 3)(random);
            for (int card = 0; card < 2; ++card) {
                OffloadStart start{{paths[card]}, std::nullopt, std::nullopt};
                if (kills)
                    start.killAfterMs = killAt();
                else if (faulted & (1 << card))
                    start.faults = faultPlan(true);
                starts << start;
            }
            ++m_tally.runsAtOnce;
        } else {
            OffloadStart start{paths, std::nullopt, std::nullopt};
            if (kills && cascade && !pair && std::bernoulli_distribution(0.5)(random)) {
                start.killAfterMs =
                    std::uniform_int_distribution<qint64>(0, std::min(tail, within))(random);
                start.killAfterSaying = cardFree;
            } else if (kills) {
                start.killAfterMs = killAt();
            } else {
                start.faults = faultPlan(!pair);
            }
            starts << start;
        }
        reach = 0;
        const QList<RunOutcome> outcomes =
            starts.size() == 1 ? QList<RunOutcome>{world.offload(starts[0], m_allowedMs)}
                               : world.offloadAtOnce(starts, m_allowedMs);
        for (const RunOutcome& outcome : outcomes)
            if (QString::fromUtf8(outcome.out + outcome.err).contains(historyNotSaved))
                inspector.copiesNotRemembered();
        const QString run = QStringLiteral("%1, run %2 of %3, ").arg(kind).arg(i).arg(runs);
        QStringList told;
        for (qsizetype k = 0; k < starts.size(); ++k) {
            const QString who = starts.size() > 1 ? QStringLiteral("the command for %1 ")
                                                        .arg(starts[k].cards[0].section(u'/', -1))
                                                  : QString();
            told << who + account(number, run + who, outcomes[k], starts[k], reach);
        }
        // Nothing ended before its kill: the whole run is still ahead.
        if (reach == 0)
            reach = within;
        steps << (starts.size() > 1 ? "at once: " + told.join(", ") : told.first());
        violations(number, run + steps.last(), inspector.check());
    }
    const RunOutcome last = world.offload(std::nullopt, std::nullopt, m_allowedMs);
    ++m_tally.runs;
    const QString when = QStringLiteral("%1, the whole run after: %2").arg(kind, steps.join("; "));
    if (!finishedCleanly(last))
        violations(number, when, {{failedRun, describe(last)}});
    violations(number, when, inspector.checkComplete());
}

// One card into a folder on a Samba share, reached through a FUSE client; the server is killed
// at a random moment of each run and the run goes on without it. The server comes back after
// each run, and a last whole run must finish the offload with nothing false recorded and no
// partial file left.
void Campaign::runShareCase(int number, const QString& folder, std::mt19937_64& random) {
    QString whyNot;
    const auto share =
        test::NetworkShare::start(test::NetworkShare::Kind::smb, folder + "/share", &whyNot);
    if (!share) {
        std::printf("No case on a share: %s\n", qPrintable(whyNot));
        m_options.shareCases = 0;
        return;
    }
    ++m_tally.shareCases;
    const CaseWorld world(
        m_options.program, m_options.faultModule, folder + "/world", {m_cards[0].card->path()},
        false, std::pair(share->mountPoint() + "/dest", share->serverFolder() + "/dest"));
    CaseInspector inspector(world, {m_cards[0]});
    const QString kind = QStringLiteral("share case");
    const int runs = std::uniform_int_distribution<int>(1, 3)(random);
    // A share is slower than the folders the whole run was measured on; the first run measures
    // it, and the kills after it land within it.
    qint64 reach = 4 * m_fullRunMs;
    QStringList steps;
    for (int i = 1; i <= runs; ++i) {
        const qint64 at = std::uniform_int_distribution<qint64>(3, reach)(random);
        bool killed = false;
        OffloadStart start{{m_cards[0].card->path()}, at, std::nullopt};
        start.instead = [&] {
            killed = share->stopServer(&whyNot);
            if (!killed)
                std::printf("Could not stop the server: %s\n", qPrintable(whyNot));
        };
        const RunOutcome outcome = world.offload(start, m_allowedMs);
        ++m_tally.runs;
        m_tally.serverKills += killed;
        if (!killed && !outcome.crashed && !outcome.hung)
            reach = std::max<qint64>(4, std::min(reach, outcome.milliseconds));
        steps << QStringLiteral("server killed after %1 ms%2")
                     .arg(at)
                     .arg(killed ? QString() : QStringLiteral(" (ended before)"));
        const QString run =
            QStringLiteral("%1, run %2 of %3, %4").arg(kind).arg(i).arg(runs).arg(steps.last());
        if (outcome.crashed || outcome.hung)
            violations(number, run, {{failedRun, describe(outcome)}});
        // rclone keeps folders it failed to make while the server was away out of its view
        // until it mounts the share again, and the history keeps its notes for them till then.
        if (killed && (!share->startServer(&whyNot) || !share->remount(&whyNot)))
            std::printf("Could not bring the share back: %s\n", qPrintable(whyNot));
        violations(number, run, inspector.check());
    }
    const RunOutcome last = world.offload(std::nullopt, std::nullopt, m_allowedMs);
    ++m_tally.runs;
    const QString when = QStringLiteral("%1, the whole run after: %2").arg(kind, steps.join("; "));
    if (!finishedCleanly(last))
        violations(number, when, {{failedRun, describe(last)}});
    violations(number, when, inspector.checkComplete());
}

// One card with the history shared through a PostgreSQL server; at a random moment of each run
// either the server is killed (and the run goes on without it) or the command is. The server
// comes back after each run, and after a last whole run it must hold exactly what the station's
// own history holds: nothing lost, nothing twice, nothing the station never recorded.
void Campaign::runHistoryServerCase(int number, const QString& folder, std::mt19937_64& random) {
    QString whyNot;
    const auto server = test::PostgresServer::start(&whyNot);
    if (!server) {
        std::printf("No case with a history server: %s\n", qPrintable(whyNot));
        m_options.historyServerCases = 0;
        return;
    }
    ++m_tally.historyServerCases;
    const CaseWorld world(m_options.program, m_options.faultModule, folder + "/world",
                          {m_cards[0].card->path()});
    const QString station = QStringLiteral("soak");
    const auto setServer = [&](const QString& value) {
        const RunOutcome set = world.run({"settings", "historyServer", value}, 60000);
        if (set.status != 0)
            std::printf("Could not set the history server: %s\n", qPrintable(describe(set)));
    };
    setServer(server->connectionString());
    world.run({"settings", "stationName", station}, 60000);
    CaseInspector inspector(world, {m_cards[0]});
    const QString kind = QStringLiteral("history server case");
    const int runs = std::uniform_int_distribution<int>(1, 3)(random);
    QStringList steps;
    for (int i = 1; i <= runs; ++i) {
        const qint64 at = std::uniform_int_distribution<qint64>(3, m_fullRunMs)(random);
        const bool serverDies = std::bernoulli_distribution(0.5)(random);
        OffloadStart start{{m_cards[0].card->path()}, at, std::nullopt};
        bool killed = false;
        if (serverDies)
            start.instead = [&] {
                server->kill();
                killed = true;
            };
        const RunOutcome outcome = world.offload(start, m_allowedMs);
        ++m_tally.runs;
        m_tally.databaseKills += killed;
        if (!serverDies)
            outcome.killed ? ++m_tally.kills : ++m_tally.endedBeforeKill;
        steps << QStringLiteral("%1 killed after %2 ms%3")
                     .arg(serverDies ? QStringLiteral("server") : QStringLiteral("command"))
                     .arg(at)
                     .arg(serverDies && !killed ? QStringLiteral(" (ended before)") : QString());
        const QString run =
            QStringLiteral("%1, run %2 of %3, %4").arg(kind).arg(i).arg(runs).arg(steps.last());
        if (outcome.crashed || outcome.hung || (serverDies && !finishedCleanly(outcome)))
            violations(number, run, {{failedRun, describe(outcome)}});
        if (killed && !server->startAgain(&whyNot))
            std::printf("Could not start the server again: %s\n", qPrintable(whyNot));
        violations(number, run, inspector.check());
    }
    const RunOutcome last = world.offload(std::nullopt, std::nullopt, m_allowedMs);
    ++m_tally.runs;
    const QString when = QStringLiteral("%1, the whole run after: %2").arg(kind, steps.join("; "));
    if (!finishedCleanly(last))
        violations(number, when, {{failedRun, describe(last)}});
    violations(number, when, inspector.checkComplete());

    // The server's copies of the station against the station's own history.
    bool ok = false;
    const QString rows = server->query(
        "SELECT source_key || E'\\t' || destination_path FROM stowly_copies WHERE station = '" +
            station + "'",
        &ok);
    QStringList held = rows.split(u'\n', Qt::SkipEmptyParts);
    setServer({});
    const RunOutcome local = world.run({"history", "--json"}, 60000);
    QSet<QString> recorded;
    for (const QJsonValue& value : QJsonDocument::fromJson(local.out).array()) {
        const QJsonObject entry = value.toObject();
        recorded.insert(entry["sourceKey"].toString() + u'\t' +
                        entry["destinationPath"].toString());
    }
    QList<Problem> problems;
    if (!ok || local.status != 0)
        problems << Problem{"the shared history could not be compared",
                            rows + QStringLiteral(" / ") + describe(local)};
    const QSet<QString> unique(held.cbegin(), held.cend());
    if (unique.size() != held.size())
        problems << Problem{
            "the shared history holds a copy twice",
            QStringLiteral("%1 rows, %2 copies").arg(held.size()).arg(unique.size())};
    for (const QString& copy : recorded - unique)
        problems << Problem{"a copy the station recorded is not in the shared history", copy};
    for (const QString& copy : unique - recorded)
        problems << Problem{"the shared history holds a copy the station never recorded", copy};
    violations(number, when, problems);
}

void Campaign::printTally(qint64 elapsedMs, bool byKind) const {
    const Tally& t = m_tally;
    std::printf("kills %lld (and %lld runs that ended before their kill), faults %lld in %lld "
                "runs (%lld of them in %lld walks over the card), cases checked %lld (%lld "
                "kill, %lld fault; with two cards %lld kill, %lld fault, %lld runs of two "
                "commands at once; with a cascade %lld kill, %lld fault, %lld kills once the "
                "card was free; %lld on a share, %lld servers killed; %lld with a history "
                "server, %lld of its servers killed), runs %lld, violations %lld in %lld cases, "
                "%.1f s\n",
                t.kills, t.endedBeforeKill, t.faults, t.faultedRuns, t.scanFaults,
                t.scanFaultedRuns, t.killCases + t.faultCases, t.killCases, t.faultCases,
                t.pairKillCases, t.pairFaultCases, t.runsAtOnce, t.cascadeKillCases,
                t.cascadeFaultCases, t.killsAfterCard, t.shareCases, t.serverKills,
                t.historyServerCases, t.databaseKills, t.runs, t.violations, t.casesWithViolations,
                double(elapsedMs) / 1000);
    for (auto kind = t.byKind.cbegin(); byKind && kind != t.byKind.cend(); ++kind)
        std::printf("  %lld × %s, in %lld cases\n", kind->first, qPrintable(kind.key()),
                    kind->second);
    std::fflush(stdout);
}

int Campaign::run() {
    QElapsedTimer clock;
    clock.start();
    QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/stowly-soak-XXXXXX"));
    if (!scratch.isValid()) {
        std::printf("Cannot make a scratch folder: %s\n", qPrintable(scratch.errorString()));
        return 2;
    }
    scratch.setAutoRemove(!m_options.keepFolders);
    std::printf("Fault campaign, seed %llu, in %s\n", m_options.seed, qPrintable(scratch.path()));

    // The second card has the first one's paths, so the two plan the same names.
    std::mt19937_64 cardRandom = caseRandom(m_options.seed, 0);
    for (const char* name : {"EOS_DIGITAL", "SECOND_CARD"}) {
        m_soakCards.push_back(std::make_unique<SoakCard>(
            scratch.filePath("cards"), QString::fromLatin1(name), m_options.smallFiles,
            m_options.largeFiles, m_options.largestSize, cardRandom));
        m_cards.append({m_soakCards.back().get(), QString()});
    }
    std::printf("Cards: %lld files, %.1f MB, and as many names with other bytes, %.1f MB\n",
                static_cast<long long>(m_soakCards[0]->files().size()),
                double(m_soakCards[0]->totalSize()) / 1e6,
                double(m_soakCards[1]->totalSize()) / 1e6);
    if (!calibrate(scratch.filePath("calibration")))
        return 1;

    // A lone case starts at its own number: every case draws from a generator of its own.
    for (int number = m_options.onlyCase.value_or(1);; ++number) {
        if (m_options.onlyCase
                ? number > *m_options.onlyCase
                : m_tally.kills >= m_options.kills && m_tally.faults >= m_options.faults)
            break;
        const bool kills = number % 2 == 1;
        if (!m_options.onlyCase &&
            (kills ? m_tally.kills >= m_options.kills : m_tally.faults >= m_options.faults))
            continue;
        std::mt19937_64 random = caseRandom(m_options.seed, number);
        const QString folder = scratch.filePath(QStringLiteral("case-%1").arg(number));
        const qint64 violationsBefore = m_tally.violations;
        runCase(number, folder, random);
        if (m_tally.violations > violationsBefore) {
            // What the case left is what tells how it went wrong.
            scratch.setAutoRemove(false);
            std::printf("Kept %s\n", qPrintable(folder));
        } else if (!m_options.keepFolders) {
            QDir(folder).removeRecursively();
        }
        if ((m_tally.killCases + m_tally.faultCases) % 25 == 0)
            printTally(clock.elapsed(), false);
    }
    printTally(clock.elapsed(), true);
    return m_tally.violations == 0 ? 0 : 1;
}

} // namespace stowly::soak
