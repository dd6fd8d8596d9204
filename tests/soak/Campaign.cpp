#include "Campaign.h"

#include "CaseInspector.h"
#include "CaseWorld.h"
#include "SoakCard.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cerrno>
#include <cmath>
#include <cstdio>

namespace stowly::soak {
namespace {

const QString alreadyOffloaded = QStringLiteral("Everything on this card is already offloaded");
const QString failedRun = QStringLiteral("an offload failed, crashed or hung");
const QString unreadSaidNothing = QStringLiteral("a card not read through said nothing to copy");
const QString unreadSaidDone = QStringLiteral("a card not read through was reported as done");
const QString unreadSilent = QStringLiteral("a card not read through went unsaid");

// Every case draws from a generator of its own, so one case runs alone as it ran among all.
std::mt19937_64 caseRandom(quint64 seed, int number) {
    std::seed_seq sequence{quint32(seed), quint32(seed >> 32), quint32(number)};
    return std::mt19937_64(sequence);
}

// A run that could not write the history copies all the same and says so.
const QString historyNotSaved = QStringLiteral("Stowly won’t remember them");

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
    return QStringLiteral("ended with status %1: %2")
        .arg(outcome.status)
        .arg(QString::fromUtf8(outcome.err).trimmed().replace(u'\n', QStringLiteral(" | ")));
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

bool Campaign::calibrate(const QString& folder) {
    const CaseWorld first(m_options.program, m_options.faultModule, folder + QStringLiteral("/1"),
                          m_cardPath);
    const RunOutcome scan = first.run({"scan", m_cardPath, "--json"}, 60000);
    m_cardIdentity = QJsonDocument::fromJson(scan.out)
                         .object()
                         .value("card")
                         .toObject()
                         .value("identity")
                         .toString();
    if (scan.status != 0 || m_cardIdentity.isEmpty()) {
        std::printf("stowly-cli cannot scan the card: %s\n", qPrintable(describe(scan)));
        return false;
    }
    // The longest of three, so that late kills reach the end of a slow run too.
    for (int i = 1; i <= 3; ++i) {
        const CaseWorld world(m_options.program, m_options.faultModule,
                              folder + u'/' + QString::number(i), m_cardPath);
        const RunOutcome full = world.offload(std::nullopt, std::nullopt, 600000);
        if (full.status != 0) {
            std::printf("An offload without faults failed: %s\n", qPrintable(describe(full)));
            return false;
        }
        m_fullRunMs = std::max(m_fullRunMs, full.milliseconds);
        CaseInspector inspector(world, *m_card, m_cardIdentity);
        violations(0, QStringLiteral("an offload without faults"), inspector.checkComplete());
    }
    m_fullRunMs = m_options.fullRunMs.value_or(m_fullRunMs);
    m_allowedMs = std::max<qint64>(60000, 20 * m_fullRunMs);
    std::printf("A whole offload takes %lld ms; kills land from 3 ms to that.\n", m_fullRunMs);
    return m_tally.violations == 0;
}

// Odd cases kill runs at random moments, even ones make their file calls fail; a last whole run
// then has to finish the offload.
void Campaign::runCase(int number, const QString& folder, std::mt19937_64& random) {
    const bool kills = number % 2 == 1;
    ++(kills ? m_tally.killCases : m_tally.faultCases);
    const QString kind = kills ? QStringLiteral("kill case") : QStringLiteral("fault case");
    const CaseWorld world(m_options.program, m_options.faultModule, folder, m_cardPath);
    CaseInspector inspector(world, *m_card, m_cardIdentity);
    const int runs = std::uniform_int_distribution<int>(1, kills ? 6 : 3)(random);
    const QList<QList<int>> errnoChoices{{EIO}, {ENOSPC}, {EIO, ENOSPC}};
    const QStringList errnoNames{"EIO", "ENOSPC", "EIO+ENOSPC"};
    // A card or reader that fails, a card pulled out, a folder the system won't open.
    const QList<int> scanErrnos{EIO, ENOTCONN, EACCES};
    // Kills land anywhere in a whole run; once a run has ended before its kill, within what is
    // left of the work.
    qint64 reach = m_fullRunMs;
    QStringList steps;
    for (int i = 1; i <= runs; ++i) {
        std::optional<qint64> killAfter;
        std::optional<FaultPlan> plan;
        int errnoChoice = 0;
        if (kills) {
            killAfter =
                std::uniform_int_distribution<qint64>(3, std::max<qint64>(4, reach))(random);
        } else {
            plan.emplace();
            // From one call in a hundred to one in three: the first fails a file here and
            // there, the last nearly every file.
            plan->probability =
                0.01 * std::pow(33.0, std::uniform_real_distribution<>(0, 1)(random));
            errnoChoice = std::uniform_int_distribution<int>(0, 2)(random);
            plan->errnos = errnoChoices.at(errnoChoice);
            plan->seed = random();
            plan->history = std::bernoulli_distribution(0.5)(random);
            // One run in four fails the walk over the card instead of the copying.
            plan->scan = std::bernoulli_distribution(0.25)(random);
            if (plan->scan)
                plan->errnos = scanErrnos;
        }
        const RunOutcome outcome = world.offload(killAfter, plan, m_allowedMs);
        ++m_tally.runs;
        if (QString::fromUtf8(outcome.out + outcome.err).contains(historyNotSaved))
            inspector.copiesNotRemembered();
        bool failed = outcome.crashed || outcome.hung;
        QString step;
        if (kills) {
            step = QStringLiteral("killed after %1 ms").arg(*killAfter);
            if (outcome.killed) {
                ++m_tally.kills;
            } else if (finishedCleanly(outcome)) {
                ++m_tally.endedBeforeKill;
                reach = outcome.milliseconds;
                step += QStringLiteral(" (ended before)");
            } else {
                failed = true;
            }
        } else {
            ++m_tally.faultedRuns;
            m_tally.faults += outcome.faults;
            if (plan->scan) {
                ++m_tally.scanFaultedRuns;
                m_tally.scanFaults += outcome.faults;
            }
            step = plan->scan
                       ? QStringLiteral("p=%1 in the walk over the card, %2 faults")
                             .arg(plan->probability, 0, 'f', 4)
                             .arg(outcome.faults)
                       : QStringLiteral("p=%1 %2%3, %4 faults")
                             .arg(plan->probability, 0, 'f', 4)
                             .arg(errnoNames.at(errnoChoice))
                             .arg(plan->history ? QStringLiteral(" with the history") : QString())
                             .arg(outcome.faults);
        }
        steps << step;
        const QString when =
            QStringLiteral("%1, run %2 of %3, %4").arg(kind).arg(i).arg(runs).arg(step);
        if (failed)
            violations(number, when, {{failedRun, describe(outcome)}});
        else if (plan && plan->scan && outcome.faults > 0)
            violations(number, when, unreadCardProblems(outcome));
        violations(number, when, inspector.check());
    }
    const RunOutcome last = world.offload(std::nullopt, std::nullopt, m_allowedMs);
    ++m_tally.runs;
    const QString when = QStringLiteral("%1, the whole run after: %2").arg(kind, steps.join("; "));
    if (!finishedCleanly(last))
        violations(number, when, {{failedRun, describe(last)}});
    violations(number, when, inspector.checkComplete());
}

void Campaign::printTally(qint64 elapsedMs, bool byKind) const {
    const Tally& t = m_tally;
    std::printf("kills %lld (and %lld runs that ended before their kill), faults %lld in %lld "
                "runs (%lld of them in %lld walks over the card), cases checked %lld (%lld "
                "kill, %lld fault), runs %lld, violations %lld in %lld cases, %.1f s\n",
                t.kills, t.endedBeforeKill, t.faults, t.faultedRuns, t.scanFaults,
                t.scanFaultedRuns, t.killCases + t.faultCases, t.killCases, t.faultCases, t.runs,
                t.violations, t.casesWithViolations, double(elapsedMs) / 1000);
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

    std::mt19937_64 cardRandom = caseRandom(m_options.seed, 0);
    m_card = std::make_unique<SoakCard>(scratch.filePath("card"), m_options.smallFiles,
                                        m_options.largeFiles, m_options.largestSize, cardRandom);
    m_cardPath = m_card->path();
    std::printf("Card: %lld files, %.1f MB\n", static_cast<long long>(m_card->files().size()),
                double(m_card->totalSize()) / 1e6);
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
        runCase(number, folder, random);
        if (!m_options.keepFolders)
            QDir(folder).removeRecursively();
        if ((m_tally.killCases + m_tally.faultCases) % 25 == 0)
            printTally(clock.elapsed(), false);
    }
    printTally(clock.elapsed(), true);
    return m_tally.violations == 0 ? 0 : 1;
}

} // namespace stowly::soak
