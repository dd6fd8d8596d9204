#include "report/ReportBuilder.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <set>

namespace stowly {

namespace {

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ReportBuilder)
};

bool isUnder(const QString& path, const QString& root) {
    if (root.isEmpty())
        return false;
    return path.startsWith(root) &&
           (root.endsWith(u'/') || path.size() == root.size() || path.at(root.size()) == u'/');
}

// A copy read back through a cache weakens its destination whatever else is known of it; one
// not known leaves nothing to claim for the others.
std::optional<ReadBack> together(std::optional<ReadBack> a, std::optional<ReadBack> b) {
    if (a == ReadBack::unassured || b == ReadBack::unassured)
        return ReadBack::unassured;
    if (!a || !b)
        return std::nullopt;
    return readBack::weaker(*a, *b);
}

QString identityOf(const QString& sourceKey) {
    return sourceKey.section(u'|', 0, 0);
}

bool runInScope(const RunRecord& run, const ReportScope& scope) {
    switch (scope.kind) {
    case ReportScope::Kind::run:
        return run.id == scope.value;
    case ReportScope::Kind::card:
        return run.card.identity == scope.value || run.card.name == scope.value;
    case ReportScope::Kind::day:
        return run.startedAt.toLocalTime().date() == scope.day;
    case ReportScope::Kind::project:
        return !run.project.isEmpty() && run.project == scope.value;
    }
    return false;
}

class Gathering {
public:
    explicit Gathering(const QList<RunRecord>& runs) : m_runs(runs) {}

    void addRunCopy(const RunRecord& run, const RunRecord::Copy& copy) {
        if (copy.failure || !m_seen.insert(copy.sourceKey + QChar(0) + copy.path).second)
            return;
        ReportRow& row = rowFor(copy.sourceKey, run.card.name, copy.sourceRelativePath);
        row.size = copy.size;
        row.sha256 = copy.sha256;
        if (!copy.xxh128.isEmpty())
            row.xxh128 = copy.xxh128;
        for (auto it = copy.hashes.cbegin(); it != copy.hashes.cend(); ++it)
            row.hashes.insert(it.key(), it.value());
        if (const auto facts = run.facts.constFind(copy.sourceRelativePath);
            facts != run.facts.cend() && row.facts.isEmpty())
            row.facts = *facts;
        row.copies.append({copy.destination, copy.path, copy.provedAt, copy.readBack});
    }

    void addHistoryCopy(const HistoryEntry& entry) {
        if (!m_seen.insert(entry.sourceKey + QChar(0) + entry.destinationPath).second)
            return;
        ReportRow& row = rowFor(entry.sourceKey, entry.cardName, entry.sourceRelativePath);
        row.size = entry.size;
        if (row.sha256.isEmpty())
            row.sha256 = entry.sha256;
        row.copies.append(
            {rootOf(entry.destinationPath), entry.destinationPath, entry.offloadedAt});
    }

    QList<ReportRow> rows() {
        QList<ReportRow> rows = m_rows;
        std::stable_sort(rows.begin(), rows.end(), [](const ReportRow& a, const ReportRow& b) {
            return a.cardName != b.cardName ? a.cardName < b.cardName : a.source < b.source;
        });
        return rows;
    }

private:
    ReportRow& rowFor(const QString& key, const QString& card, const QString& source) {
        const QString id = key.isEmpty() ? card + u'|' + source : key;
        auto found = m_index.constFind(id);
        if (found == m_index.cend()) {
            found = m_index.insert(id, m_rows.size());
            m_rows.append(ReportRow{key, card, source});
        }
        return m_rows[*found];
    }

    // A copy the history knows belongs to the longest destination root of any run it lies
    // under; where no run names one, to the folder the copy is in.
    QString rootOf(const QString& path) const {
        QString best;
        for (const RunRecord& run : m_runs)
            for (const RunRecord::Destination& d : run.destinations)
                if (isUnder(path, d.root) && d.root.size() > best.size())
                    best = d.root;
        return best.isEmpty() ? path.section(u'/', 0, -2) : best;
    }

    const QList<RunRecord>& m_runs;
    QList<ReportRow> m_rows;
    QHash<QString, qsizetype> m_index;
    std::set<QString> m_seen;
};

// The history's copies a run's record does not hold: the backups its cascade proved after it
// ended, and, where the run's history could not be saved, nothing.
bool cascadedFrom(const RunRecord& run, const QSet<QString>& keys, const HistoryRecords& history,
                  qsizetype i) {
    if (history.offloadedAt(i) < run.startedAt.toSecsSinceEpoch() ||
        !keys.contains(QString::fromUtf8(history.text(i, HistoryRecords::sourceKey))))
        return false;
    const QString path = QString::fromUtf8(history.text(i, HistoryRecords::destinationPath));
    return std::any_of(
        run.destinations.cbegin(), run.destinations.cend(), [&](const RunRecord::Destination& d) {
            return d.role == RunRecord::Destination::Role::cascade && isUnder(path, d.root);
        });
}

bool historyInScope(const ReportScope& scope, const HistoryRecords& history, qsizetype i) {
    switch (scope.kind) {
    case ReportScope::Kind::card:
        return identityOf(QString::fromUtf8(history.text(i, HistoryRecords::sourceKey))) ==
                   scope.value ||
               QString::fromUtf8(history.text(i, HistoryRecords::cardName)) == scope.value;
    case ReportScope::Kind::day:
        return QDateTime::fromSecsSinceEpoch(history.offloadedAt(i)).toLocalTime().date() ==
               scope.day;
    case ReportScope::Kind::run:
    case ReportScope::Kind::project:
        return false;
    }
    return false;
}

QString titleOf(const ReportScope& scope, const QList<RunRecord>& runs,
                const QList<ReportRow>& rows) {
    switch (scope.kind) {
    case ReportScope::Kind::run:
        return Words::tr("Offload of “%1”").arg(runs.first().card.name);
    case ReportScope::Kind::card:
        return Words::tr("Offload History of “%1”")
            .arg(!runs.isEmpty() ? runs.last().card.name : rows.first().cardName);
    case ReportScope::Kind::day:
        return Words::tr("Offloads of %1").arg(QLocale().toString(scope.day, QLocale::LongFormat));
    case ReportScope::Kind::project:
        return Words::tr("Offloads for “%1”").arg(scope.value);
    }
    return {};
}

QString nothingFound(const ReportScope& scope) {
    switch (scope.kind) {
    case ReportScope::Kind::run:
        return Words::tr("No offload has the id “%1”.").arg(scope.value);
    case ReportScope::Kind::card:
        return Words::tr("Stowly has no verified copies from a card named “%1”.").arg(scope.value);
    case ReportScope::Kind::day:
        return Words::tr("Nothing was offloaded on %1.")
            .arg(QLocale().toString(scope.day, QLocale::LongFormat));
    case ReportScope::Kind::project:
        return Words::tr("No offload was made for the project “%1”.").arg(scope.value);
    }
    return {};
}

} // namespace

std::variant<Report, QString> ReportBuilder::build(const ReportScope& scope,
                                                   const QList<RunRecord>& runs,
                                                   const HistoryRecords& history) {
    Report report;
    report.scope = scope;
    for (const RunRecord& run : runs)
        if (runInScope(run, scope))
            report.runs.append(run);
    if (scope.kind == ReportScope::Kind::card && !report.runs.isEmpty()) {
        // A card named in the report by its name is the same card under its identity, so runs
        // recorded before a rename still count.
        const QString identity = report.runs.last().card.identity;
        for (const RunRecord& run : runs)
            if (run.card.identity == identity && !report.runs.contains(run))
                report.runs.append(run);
        std::stable_sort(
            report.runs.begin(), report.runs.end(),
            [](const RunRecord& a, const RunRecord& b) { return a.startedAt < b.startedAt; });
    }

    Gathering gathering(runs);
    for (const RunRecord& run : report.runs) {
        QSet<QString> keys;
        for (const RunRecord::Copy& copy : run.copies) {
            gathering.addRunCopy(run, copy);
            keys.insert(copy.sourceKey);
        }
        for (qsizetype i = 0; i < history.size(); ++i)
            if (cascadedFrom(run, keys, history, i))
                gathering.addHistoryCopy(history.at(i));
    }
    ReportScope historyScope = scope;
    if (scope.kind == ReportScope::Kind::card && !report.runs.isEmpty())
        historyScope.value = report.runs.last().card.identity;
    for (qsizetype i = 0; i < history.size(); ++i)
        if (historyInScope(historyScope, history, i) || historyInScope(scope, history, i))
            gathering.addHistoryCopy(history.at(i));
    report.rows = gathering.rows();

    if (report.runs.isEmpty() && report.rows.isEmpty())
        return nothingFound(scope);
    report.title = titleOf(scope, report.runs, report.rows);

    for (const RunRecord& run : report.runs) {
        if (!report.startedAt.isValid() || run.startedAt < report.startedAt)
            report.startedAt = run.startedAt;
        if (run.endedAt > report.endedAt)
            report.endedAt = run.endedAt;
        for (const QString& format : run.hashFormats)
            if (!report.hashFormats.contains(format))
                report.hashFormats << format;
        for (const QString& failure : run.failures)
            report.failures << (report.runs.size() > 1
                                    ? run.card.name + QStringLiteral(": ") + failure
                                    : failure);
    }
    QHash<QString, qsizetype> totals;
    for (const ReportRow& row : report.rows) {
        QSet<QString> counted;
        for (const ReportCopy& copy : row.copies) {
            if (!report.destinations.contains(copy.destination))
                report.destinations << copy.destination;
            if (!totals.contains(copy.destination)) {
                totals.insert(copy.destination, report.totals.size());
                report.totals.append({copy.destination, 0, 0, copy.readBack});
            }
            DestinationTotal& total = report.totals[totals.value(copy.destination)];
            total.readBack = together(total.readBack, copy.readBack);
            if (counted.contains(copy.destination))
                continue;
            counted.insert(copy.destination);
            ++total.files;
            total.bytes += row.size;
        }
        if (report.runs.isEmpty())
            for (const ReportCopy& copy : row.copies) {
                if (!report.startedAt.isValid() || copy.provedAt < report.startedAt)
                    report.startedAt = copy.provedAt;
                if (copy.provedAt > report.endedAt)
                    report.endedAt = copy.provedAt;
            }
    }
    return report;
}

} // namespace stowly
