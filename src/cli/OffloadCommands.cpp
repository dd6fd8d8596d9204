#include "cli/OffloadCommands.h"

#include "app/ClipsStageContent.h"
#include "app/OffloadFormatting.h"
#include "base/Log.h"
#include "base/SignalWatcher.h"
#include "cli/CardTarget.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/JsonOutput.h"
#include "cli/ProgressPrinter.h"
#include "cli/Station.h"
#include "cli/TerminalText.h"
#include "cli/TextOutput.h"
#include "session/OffloadSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <memory>
#include <variant>

namespace stowly {
namespace {

// A card scanned with the run options applied, and the one reason it cannot be offloaded.
struct PreparedRun {
    std::unique_ptr<Station> station;
    OffloadSession* session = nullptr;
    std::optional<QString> blocker;
};

QString quoted(const QString& text) {
    return u'“' + text + u'”';
}

QString absolutePath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString noSuchCamera(const CameraStore& cameras, const QString& wanted) {
    QStringList names;
    for (const Camera& camera : cameras.cameras())
        names << camera.name;
    if (names.isEmpty())
        return QCoreApplication::translate(
                   "OffloadCommands",
                   "There’s no camera named %1. Add your cameras in Stowly’s settings first.")
            .arg(quoted(wanted));
    return QCoreApplication::translate("OffloadCommands",
                                       "There’s no camera named %1. Your cameras: %2.")
        .arg(quoted(wanted), names.join(QStringLiteral(", ")));
}

std::variant<PreparedRun, int> prepare(const Invocation& invocation, Console& console,
                                       SignalWatcher& signals) {
    PreparedRun run;
    run.station = std::make_unique<Station>(signals);
    Station& station = *run.station;
    AppModel& model = station.model();
    if (const std::optional<QString>& error = model.ledger().lastError())
        console.message(*error);

    const std::optional<CardVolume> target = cardTargetOrReport(invocation.card, model, console);
    if (!target)
        return exitCode::usage;
    const CardVolume card = *target;

    const RunOptions& options = invocation.run;
    std::optional<Camera> camera;
    if (options.camera) {
        camera = model.cameraNamed(*options.camera);
        if (!camera) {
            console.message(noSuchCamera(model.cameras(), *options.camera));
            return exitCode::usage;
        }
    }
    // Everything this run reads sees these; the preferences keep their own values.
    AppSettings& settings = model.settings();
    if (options.destination)
        settings.overrideForRun(setting::destinationPath,
                                std::optional<QString>(absolutePath(*options.destination)));
    if (!options.backups.isEmpty()) {
        QStringList backups;
        for (const QString& folder : options.backups)
            backups << absolutePath(folder);
        settings.overrideForRun(setting::backupDestinations, backups);
    }
    if (options.verifySource)
        settings.overrideForRun(setting::verifySource, true);
    if (options.mhl)
        settings.overrideForRun(setting::writeAscMhl, true);
    if (options.quickDump)
        settings.overrideForRun(setting::quickDump, true);
    if (options.dates)
        settings.overrideForRun(setting::dateFilter, *options.dates);

    if (!station.scan(card))
        return exitCode::interrupted;
    OffloadSession& session = *model.session();
    if (options.project)
        model.setProject(*options.project);
    if (camera)
        session.setCameraID(camera->id);
    if (options.includeShort)
        session.setIncludeAllShort(true);
    // Asking for a mode on the command line is the agreement.
    if (options.reoffload)
        model.setReoffloadMode(*options.reoffload, true);

    run.session = &session;
    if (const std::optional<OffloadBlocker>& blocker = model.offloadBlocker())
        run.blocker = blocker->text;
    return run;
}

// A card that could not be read all through fails the command, whatever else it did.
std::optional<QString> readFailure(const PreparedRun& run) {
    const std::optional<QString> failure = ClipsStageContent::readFailure(*run.session);
    return failure ? std::optional(TerminalText::name(*failure)) : std::nullopt;
}

int blockedStatus(const PreparedRun& run) {
    return run.session->inventory().unreadable ? exitCode::failed : exitCode::blocked;
}

} // namespace

int OffloadCommands::scan(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    auto prepared = prepare(invocation, console, signals);
    if (const int* status = std::get_if<int>(&prepared))
        return *status;
    const PreparedRun& run = std::get<PreparedRun>(prepared);
    if (invocation.json)
        console.writeOut(JsonOutput::text(JsonOutput::scan(*run.session, run.blocker)));
    else
        console.out() << TextOutput::scan(*run.session, run.blocker);
    if (const std::optional<QString> failure = readFailure(run)) {
        if (invocation.json)
            console.message(*failure);
        return exitCode::failed;
    }
    return exitCode::done;
}

int OffloadCommands::plan(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    auto prepared = prepare(invocation, console, signals);
    if (const int* status = std::get_if<int>(&prepared))
        return *status;
    const PreparedRun& run = std::get<PreparedRun>(prepared);
    const std::optional<QString> destination =
        run.station->model().settings().value(setting::destinationPath);
    const QList<PlannedFile> files = run.station->model().plan();
    if (invocation.json)
        console.writeOut(JsonOutput::text(JsonOutput::plan(destination, files, run.blocker)));
    else if (!run.blocker)
        console.out() << TextOutput::plan(destination.value_or(QString()), files);
    if (run.blocker) {
        console.message(TerminalText::name(*run.blocker));
        return blockedStatus(run);
    }
    if (const std::optional<QString> failure = readFailure(run)) {
        console.message(*failure);
        return exitCode::failed;
    }
    return exitCode::done;
}

int OffloadCommands::offload(const Invocation& invocation, Console& console,
                             SignalWatcher& signals) {
    auto prepared = prepare(invocation, console, signals);
    if (const int* status = std::get_if<int>(&prepared))
        return *status;
    PreparedRun& run = std::get<PreparedRun>(prepared);
    if (run.blocker) {
        console.message(TerminalText::name(*run.blocker));
        return blockedStatus(run);
    }
    Station& station = *run.station;
    AppModel& model = station.model();
    OffloadSession& session = *run.session;
    const qsizetype recordedBefore = model.ledger().entries().size();

    ProgressPrinter printer(session, console);
    QObject::connect(&signals, &SignalWatcher::interrupted, &printer, [&] {
        if (!session.isRunning())
            return;
        printer.note(QCoreApplication::translate("OffloadCommands",
                                                 "Stopping… the file being copied is removed, the "
                                                 "copies already verified stay recorded."));
        session.cancel();
    });
    bool ejected = false;
    QObject::connect(
        &model, &AppModel::ejectEnded, &printer,
        [&](const CardVolume&, const std::optional<QString>& error) { ejected = !error; });

    if (signals.wasInterrupted())
        return exitCode::interrupted;
    model.startOffload();
    if (!session.isRunning()) {
        console.message(
            QCoreApplication::translate("OffloadCommands", "The offload couldn’t start."));
        return exitCode::failed;
    }
    station.waitUntil(
        [&] { return session.phase() == OffloadSession::Phase::finished && !model.isEjecting(); },
        false);
    printer.finish();

    const OffloadSummary summary = session.summary().value_or(OffloadSummary{});
    QList<LedgerEntry> copies;
    const LedgerRecords& entries = model.ledger().entries();
    for (qsizetype i = recordedBefore; i < entries.size(); ++i)
        copies.append(entries.at(i));
    Log::info(Log::Category::app,
              QStringLiteral("Command-line offload of ") + session.card().url +
                  QStringLiteral(": ") + OffloadFormatting::summaryLine(summary) +
                  (summary.cancelled ? QStringLiteral(", cancelled") : QString()));

    const std::optional<QString> failure = readFailure(run);
    QString result = OffloadFormatting::finishedTitle(summary, !failure) + u'\n' +
                     OffloadFormatting::finishedSubtitle(summary, ejected) + u'\n';
    for (const QString& line : OffloadFormatting::problemLines(summary, session.card().name))
        result += QStringLiteral("  ") + TerminalText::name(line) + u'\n';
    if (invocation.json) {
        console.writeOut(JsonOutput::text(JsonOutput::offload(summary, copies)));
        console.message(result.trimmed());
    } else {
        console.out() << result;
        console.out().flush();
    }
    if (const std::optional<QString>& error = model.ejectError())
        console.message(*error);
    const std::optional<QString>& ledgerError = model.ledger().lastError();
    if (ledgerError)
        console.message(*ledgerError);
    if (failure)
        console.message(*failure);

    if (summary.cancelled)
        return exitCode::interrupted;
    return summary.failed > 0 || !summary.recordFailures.isEmpty() || ledgerError || failure
               ? exitCode::failed
               : exitCode::done;
}

} // namespace stowly
