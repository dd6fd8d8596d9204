#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include "CaseInspector.h"
#include "CaseWorld.h"

#include <memory>
#include <optional>
#include <random>
#include <vector>

namespace stowly::soak {

class SoakCard;

struct CampaignOptions {
    quint64 seed = 1;
    // Cases run until both are reached.
    qint64 kills = 0;
    qint64 faults = 0;
    int smallFiles = 0;
    int largeFiles = 0;
    qint64 largestSize = 0;
    QString program;
    QString faultModule;
    // Runs this case alone, as it ran in the whole campaign with the same seed.
    std::optional<int> onlyCase;
    bool keepFolders = false;
    // The length of a whole run, as another campaign measured it, so its kills land as they did.
    std::optional<qint64> fullRunMs;
    // The same for the whole run of two cards in one command.
    std::optional<qint64> pairRunMs;
    // The same for the whole run of one card with a cascade to a backup.
    std::optional<qint64> cascadeRunMs;
    // At most this many cases offload to a Samba share whose server is killed.
    int shareCases = 1000000;
    // At most this many cases keep the history on a PostgreSQL server that is killed.
    int historyServerCases = 1000000;
};

// Offloads a card again and again with stowly-cli, killing it at random moments or making its
// file calls fail, and after every run checks what it left behind. One case in three offloads
// two cards whose files plan the same names into the one destination folder: both in one
// command, or each in a command of its own started at the same moment. Some cases cascade the
// copies on to a backup folder, and are killed or failing while they do.
class Campaign {
public:
    explicit Campaign(const CampaignOptions& options);
    ~Campaign();

    // Returns the exit status: 0 without violations.
    int run();

private:
    struct Tally {
        qint64 kills = 0;
        qint64 endedBeforeKill = 0;
        qint64 faults = 0;
        qint64 faultedRuns = 0;
        // Of those, the faults and runs that failed the walk over the card.
        qint64 scanFaults = 0;
        qint64 scanFaultedRuns = 0;
        qint64 runs = 0;
        qint64 killCases = 0;
        qint64 faultCases = 0;
        // Of those, the cases with two cards, and their runs of two commands at once.
        qint64 pairKillCases = 0;
        qint64 pairFaultCases = 0;
        qint64 runsAtOnce = 0;
        // The cases with a cascade, and the kills timed from when the card was free.
        qint64 cascadeKillCases = 0;
        qint64 cascadeFaultCases = 0;
        qint64 killsAfterCard = 0;
        qint64 shareCases = 0;
        qint64 serverKills = 0;
        qint64 historyServerCases = 0;
        qint64 databaseKills = 0;
        qint64 violations = 0;
        qint64 casesWithViolations = 0;
        // Violations and the cases they were found in, by kind.
        QMap<QString, std::pair<qint64, qint64>> byKind;
    };

    bool calibrate(const QString& folder);
    // The longest of three whole offloads of these cards in one command, checked.
    std::optional<qint64> wholeRunMs(const QString& folder, const QList<InspectedCard>& cards,
                                     bool cascade);
    void runCase(int number, const QString& folder, std::mt19937_64& random);
    void runShareCase(int number, const QString& folder, std::mt19937_64& random);
    void runHistoryServerCase(int number, const QString& folder, std::mt19937_64& random);
    // Counts what one command of a run did, and finds what is wrong with how it ended; returns
    // what happened to it, for the case's story.
    QString account(int number, const QString& when, const RunOutcome& outcome,
                    const OffloadStart& start, qint64& reach);
    void violations(int number, const QString& when, const QList<Problem>& problems);
    void printTally(qint64 elapsedMs, bool byKind) const;

    CampaignOptions m_options;
    Tally m_tally;
    // The first card is offloaded alone in most cases.
    QList<InspectedCard> m_cards;
    qint64 m_fullRunMs = 0;
    qint64 m_pairRunMs = 0;
    qint64 m_cascadeRunMs = 0;
    qint64 m_allowedMs = 0;
    // The case being run cascades to a backup.
    bool m_cascading = false;
    int m_lastCaseReported = 0;
    QSet<QString> m_kindsInCase;
    std::vector<std::unique_ptr<SoakCard>> m_soakCards;
};

} // namespace stowly::soak
