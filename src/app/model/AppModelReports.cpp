#include "app/model/AppModel.h"

#include "app/model/CardDesk.h"
#include "app/model/OffloadFormatting.h"
#include "app/settings/AppSettings.h"
#include "app/stores/CameraStore.h"
#include "base/Background.h"
#include "base/Log.h"
#include "report/ReportBuilder.h"
#include "session/OffloadSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QStorageInfo>
#include <QSysInfo>

namespace stowly {

namespace {

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(AppModelReports)
};

RunRecord::Destination destinationOf(const QString& root, RunRecord::Destination::Role role,
                                     const OffloadDestinations& where) {
    return {root, role, where.verifySource, where.writeAscMhl};
}

} // namespace

QString AppModel::runIdOf(const OffloadSession& session) {
    return session.id().toString(QUuid::WithoutBraces);
}

QString AppModel::reportsFolderName() {
    return QStringLiteral("Stowly Reports");
}

void AppModel::setReportPrinter(ReportPrinter printer) {
    m_reportPrinter = std::move(printer);
}

RunRecord AppModel::runRecordOf(const OffloadSession& session,
                                const OffloadSummary& summary) const {
    RunRecord run;
    run.id = runIdOf(session);
    run.startedAt = session.startedAt().value_or(QDateTime::currentDateTime()).toUTC();
    run.endedAt = QDateTime::currentDateTimeUtc();
    const CardVolume& card = session.card();
    const QStorageInfo storage(card.url);
    run.card = {card.name, card.volumeIdentity(), storage.isValid() ? storage.bytesTotal() : 0,
                storage.isValid() ? QString::fromUtf8(storage.fileSystemType()) : QString()};
    if (const auto camera = m_cameras->camera(session.cameraID()))
        run.camera = camera->name;
    if (!m_settings->value(setting::quickDump))
        run.project = session.projectInput().trimmed();
    run.operatorName = m_settings->value(setting::operatorName).trimmed();
    run.computer = QSysInfo::machineHostName();
    run.version = QCoreApplication::applicationVersion();
    run.cancelled = summary.cancelled;

    const OffloadDestinations& where = session.destinations();
    using Role = RunRecord::Destination::Role;
    run.destinations << destinationOf(where.main, Role::main, where);
    for (const QString& backup : where.backups)
        run.destinations << destinationOf(
            backup, where.cascades.contains(backup) ? Role::cascade : Role::backup, where);

    QHash<QString, const HistoryEntry*> recorded;
    for (const HistoryEntry& entry : session.recorded())
        recorded.insert(entry.destinationPath, &entry);
    for (const CopyOutcome& outcome : summary.copies) {
        RunRecord::Copy copy;
        copy.sourceRelativePath = outcome.sourceRelativePath;
        copy.destination = outcome.destination;
        copy.path = outcome.path;
        copy.size = outcome.size;
        copy.failure = outcome.failure;
        copy.readBack = outcome.readBack;
        if (const HistoryEntry* entry = recorded.value(outcome.path)) {
            copy.sourceKey = entry->sourceKey;
            copy.sha256 = entry->sha256;
            copy.provedAt = entry->offloadedAt;
            copy.size = entry->size;
        } else if (!outcome.failure) {
            // Proved, but the history could not keep it: the report still names the copy.
            copy.provedAt = outcome.hashedAt;
        }
        copy.xxh128 = outcome.xxh128;
        copy.hashes = outcome.hashes;
        if (!copy.xxh128.isEmpty() && !run.hashFormats.contains(u"xxh128"))
            run.hashFormats << QStringLiteral("xxh128");
        for (auto it = copy.hashes.cbegin(); it != copy.hashes.cend(); ++it)
            if (!run.hashFormats.contains(it.key()))
                run.hashFormats << it.key();
        run.copies << copy;
    }
    run.failures = OffloadFormatting::problemLines(summary, card.name);
    // What was read of the files by the run's end; a file read later is not in its report.
    if (const CardDesk* desk = deskOf(&session))
        for (const RunRecord::Copy& copy : std::as_const(run.copies))
            if (const auto facts = desk->facts().constFind(copy.sourceRelativePath);
                facts != desk->facts().cend())
                run.facts.insert(copy.sourceRelativePath, *facts);
    return run;
}

void AppModel::recordRun(OffloadSession* session, const OffloadSummary& summary) {
    // A run that tried no copy (stopped before its first file) has nothing to report.
    if (summary.copies.isEmpty())
        return;
    const RunRecord run = runRecordOf(*session, summary);
    QPointer<OffloadSession> weak(session);
    const bool print =
        m_settings->value(setting::writeReports) && m_reportPrinter && run.filesCopied() > 0;
    QStringList folders;
    for (const RunRecord::Destination& d : run.destinations)
        folders << QDir(d.root).filePath(reportsFolderName());
    // The history is read on the main thread; the report's rows are the run's own.
    std::optional<Report> report;
    if (print) {
        auto built = ReportBuilder::build({ReportScope::Kind::run, run.id}, {run}, {});
        if (auto* made = std::get_if<Report>(&built))
            report = std::move(*made);
    }
    ++m_reportsWriting;
    background::run(
        this,
        [log = m_runLog, run, report, folders, printer = m_reportPrinter] {
            QStringList failures;
            if (auto failed = log->save(run))
                failures << Words::tr(
                                "The record of this offload for its reports couldn’t be saved: %1")
                                .arg(*failed);
            if (report)
                for (const QString& folder : folders)
                    failures += printer(*report, folder);
            return failures;
        },
        [this, weak](const QStringList& failures) {
            --m_reportsWriting;
            for (const QString& line : failures) {
                Log::info(Log::Category::app, line);
                if (weak)
                    weak->addRecordFailure(line);
            }
            Q_EMIT reportsWritten();
        });
}

std::variant<Report, QString> AppModel::report(const ReportScope& scope) const {
    QStringList problems;
    const QList<RunRecord> runs = m_runLog->load(&problems);
    for (const QString& problem : problems)
        Log::info(Log::Category::app, problem);
    return ReportBuilder::build(scope, runs, m_history->entries());
}

std::optional<QString> AppModel::runIdOfCopy(const QString& destinationPath) const {
    const QList<RunRecord> runs = m_runLog->load();
    for (auto run = runs.crbegin(); run != runs.crend(); ++run)
        for (const RunRecord::Copy& copy : run->copies)
            if (copy.path == destinationPath && !copy.failure)
                return run->id;
    return std::nullopt;
}

} // namespace stowly
