#include "cli/ReportCommand.h"

#include "app/model/CardHistory.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/ModelHost.h"
#include "print/ReportWriter.h"

#include <QCoreApplication>
#include <QDir>

namespace stowly {

namespace {

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ReportCommand)
};

} // namespace

int ReportCommand::run(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    QString problem;
    const auto formats = ReportWriter::parseFormats(invocation.reportFormats, &problem);
    if (!formats) {
        console.message(problem);
        return exitCode::usage;
    }
    ModelHost host(signals);
    AppModel& model = host.model();
    if (const std::optional<QString>& error = model.history().lastError())
        console.message(*error);

    ReportScope scope;
    if (invocation.historyCard) {
        const auto owner = CardHistory::named(*invocation.historyCard, model.volumes());
        if (const QString* unusable = std::get_if<QString>(&owner)) {
            console.message(*unusable);
            return exitCode::failed;
        }
        const CardHistory& card = std::get<CardHistory>(owner);
        scope = {ReportScope::Kind::card, card.identity.value_or(card.displayName)};
    } else if (invocation.reportDay) {
        scope = {ReportScope::Kind::day, {}, *invocation.reportDay};
    } else if (invocation.run.project) {
        scope = {ReportScope::Kind::project, invocation.run.project->trimmed()};
    } else {
        const QString wanted = invocation.reportRun.value_or(QStringLiteral("last"));
        QStringList problems;
        const QList<RunRecord> runs = model.runLog().load(&problems);
        std::optional<RunRecord> run;
        if (wanted == u"last")
            run = runs.isEmpty() ? std::nullopt : std::optional(runs.last());
        else
            run = model.runLog().find(wanted);
        for (const QString& line : problems)
            console.message(line);
        if (!run) {
            console.message(
                wanted == u"last"
                    ? Words::tr("Stowly has no offload to report yet.")
                    : Words::tr("No offload has an id starting with “%1”.").arg(wanted));
            return exitCode::failed;
        }
        scope = {ReportScope::Kind::run, run->id};
    }

    auto built = model.report(scope);
    if (const QString* nothing = std::get_if<QString>(&built)) {
        console.message(*nothing);
        return exitCode::failed;
    }
    const QString folder =
        QDir(invocation.reportOut.isEmpty() ? QDir::currentPath() : invocation.reportOut)
            .absolutePath();
    const ReportWriter::Written written =
        ReportWriter::write(std::get<Report>(built), *formats, folder);
    for (const QString& file : written.files)
        console.out() << file << '\n';
    for (const QString& failure : written.failures)
        console.message(failure);
    return written.failures.isEmpty() ? exitCode::done : exitCode::failed;
}

} // namespace stowly
