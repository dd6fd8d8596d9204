#include "cli/OffloadCommands.h"

#include "base/Log.h"
#include "cli/CardTarget.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/JsonOutput.h"
#include "cli/ProgressPrinter.h"
#include "cli/ProgressText.h"
#include "cli/SignalWatcher.h"
#include "cli/Station.h"
#include "cli/TextOutput.h"
#include "devices/VolumePaths.h"
#include "naming/OffloadPlanner.h"
#include "session/OffloadSession.h"

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

std::optional<Camera> findCamera(const CameraStore& cameras, const QString& wanted) {
    const QString name = wanted.trimmed();
    for (const Camera& camera : cameras.cameras())
        if (camera.name.compare(name, Qt::CaseInsensitive) == 0)
            return camera;
    for (const Camera& camera : cameras.cameras())
        if (!camera.code.isEmpty() && camera.code.compare(name, Qt::CaseInsensitive) == 0)
            return camera;
    return std::nullopt;
}

QString noSuchCamera(const CameraStore& cameras, const QString& wanted) {
    QStringList names;
    for (const Camera& camera : cameras.cameras())
        names << camera.name;
    QString text = QStringLiteral("There’s no camera named ") + quoted(wanted) + u'.';
    if (names.isEmpty())
        return text + QStringLiteral(" Add your cameras in Stowly’s settings first.");
    return text + QStringLiteral(" Your cameras: ") + names.join(QStringLiteral(", ")) + u'.';
}

// Copying into the card itself would put the copies among the files the next scan finds.
bool destinationIsOnCard(const QString& destination, const CardVolume& card) {
    const auto resolved = [](const QString& path) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        return canonical.isEmpty() ? VolumePaths::normalized(path) : canonical;
    };
    return VolumePaths::isOnVolume(resolved(destination), resolved(card.url));
}

std::variant<PreparedRun, int> prepare(const Invocation& invocation, Console& console,
                                       SignalWatcher& signals) {
    PreparedRun run;
    run.station = std::make_unique<Station>(signals);
    Station& station = *run.station;
    AppModel& model = station.model();
    if (const std::optional<QString>& error = model.ledger().lastError())
        console.message(*error);

    const std::optional<CardVolume> target =
        CardTarget::resolveOrReport(invocation.card, model.volumes(), console);
    if (!target)
        return exitCode::usage;
    const CardVolume card = *target;

    const RunOptions& options = invocation.run;
    std::optional<Camera> camera;
    if (options.camera) {
        camera = findCamera(model.cameras(), *options.camera);
        if (!camera) {
            console.message(noSuchCamera(model.cameras(), *options.camera));
            return exitCode::usage;
        }
    }
    // Everything this run reads sees these; the preferences keep their own values.
    AppSettings& settings = model.settings();
    if (options.destination)
        settings.overrideForRun(settingKey::destinationPath,
                                std::optional<QString>(absolutePath(*options.destination)));
    if (options.quickDump)
        settings.overrideForRun(settingKey::quickDump, true);
    if (options.dates)
        settings.overrideForRun(settingKey::dateFilter, *options.dates);

    if (!station.scan(card))
        return exitCode::interrupted;
    OffloadSession& session = *model.session();
    if (options.project)
        session.setProjectInput(*options.project);
    if (camera)
        session.setCameraID(camera->id);
    if (options.includeShort)
        session.setIncludeAllShort(true);
    if (options.reoffload) {
        // Asking for everything on the command line is the confirmation.
        station.frontEnd().consent = true;
        model.setReoffloadMode(*options.reoffload);
        station.frontEnd().consent = false;
    }

    run.session = &session;
    run.blocker = model.offloadBlocker();
    const std::optional<QString> destination = settings.destinationPath();
    if (!run.blocker && destination && destinationIsOnCard(*destination, card))
        run.blocker = QStringLiteral("Your destination folder is on this card.");
    return run;
}

QList<PlannedFile> planOf(const PreparedRun& run) {
    const AppModel& model = run.station->model();
    const AppSettings& settings = model.settings();
    const std::optional<NamingTemplates> naming = settings.effectiveNaming();
    const std::optional<QString> destination = settings.destinationPath();
    if (!naming || !destination)
        return {};
    return OffloadPlanner::plan(run.session->newClips(), *naming, model.namingContext(*run.session),
                                settings.fileRules(), OffloadPlanner::diskLister(*destination));
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
    return exitCode::done;
}

int OffloadCommands::plan(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    auto prepared = prepare(invocation, console, signals);
    if (const int* status = std::get_if<int>(&prepared))
        return *status;
    const PreparedRun& run = std::get<PreparedRun>(prepared);
    const std::optional<QString> destination = run.station->model().settings().destinationPath();
    const QList<PlannedFile> files = run.blocker ? QList<PlannedFile>() : planOf(run);
    if (invocation.json)
        console.writeOut(JsonOutput::text(JsonOutput::plan(destination, files, run.blocker)));
    else if (!run.blocker)
        console.out() << TextOutput::plan(destination.value_or(QString()), files);
    if (run.blocker) {
        console.message(*run.blocker);
        return exitCode::blocked;
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
        console.message(*run.blocker);
        return exitCode::blocked;
    }
    Station& station = *run.station;
    AppModel& model = station.model();
    OffloadSession& session = *run.session;
    const qsizetype recordedBefore = model.ledger().entries().size();

    ProgressPrinter printer(session, console);
    QObject::connect(&signals, &SignalWatcher::interrupted, &printer, [&] {
        if (!session.isRunning())
            return;
        printer.note(QStringLiteral("Stopping… the file being copied is removed, the copies "
                                    "already verified stay recorded."));
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
        console.message(QStringLiteral("The offload couldn’t start."));
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
                  QStringLiteral(": ") + ProgressText::summaryLine(summary) +
                  (summary.cancelled ? QStringLiteral(", cancelled") : QString()));

    QString result =
        ProgressText::summaryTitle(summary) + u'\n' + ProgressText::summaryLine(summary) +
        (ejected ? QStringLiteral(" — card ejected, safe to remove") : QString()) + u'\n';
    for (const QString& failure : summary.failures)
        result += QStringLiteral("  ") + failure + u'\n';
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

    if (summary.cancelled)
        return exitCode::interrupted;
    return summary.failed > 0 || ledgerError ? exitCode::failed : exitCode::done;
}

} // namespace stowly
