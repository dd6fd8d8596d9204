#include "cli/OffloadCommands.h"

#include "app/model/CardDesk.h"
#include "app/model/CardDevices.h"
#include "app/model/OffloadFormatting.h"
#include "app/wording/ClipsStageContent.h"
#include "base/Log.h"
#include "base/Quoted.h"
#include "base/SignalWatcher.h"
#include "cli/CardTarget.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/JsonOutput.h"
#include "cli/ModelHost.h"
#include "cli/ProgressPrinter.h"
#include "cli/TerminalText.h"
#include "cli/TextOutput.h"
#include "session/CascadeQueue.h"
#include "session/OffloadQueue.h"
#include "session/OffloadSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

#include <memory>
#include <variant>

namespace stowly {
namespace {

// A card scanned with the run options applied, and the one reason it cannot be offloaded.
struct PreparedRun {
    std::unique_ptr<ModelHost> host;
    OffloadSession* session = nullptr;
    std::optional<QString> blocker;
};

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

// The run's options as overrides on the preferences: everything this run reads sees them, the
// preferences keep their own values.
void applyRunOptions(const RunOptions& options, AppSettings& settings) {
    if (options.destination)
        settings.overrideForRun(setting::destinationPath,
                                std::optional<QString>(absolutePath(*options.destination)));
    if (!options.backups.isEmpty()) {
        QStringList backups;
        for (const QString& folder : options.backups)
            backups << absolutePath(folder);
        settings.overrideForRun(setting::backupDestinations, backups);
        QStringList cascades;
        for (const QString& folder : options.cascades)
            cascades << absolutePath(folder);
        settings.overrideForRun(setting::cascadeDestinations, cascades);
    }
    if (options.verifySource)
        settings.overrideForRun(setting::verifySource, true);
    if (options.mhl)
        settings.overrideForRun(setting::writeAscMhl, true);
    if (options.quickDump)
        settings.overrideForRun(setting::quickDump, true);
    if (options.dates)
        settings.overrideForRun(setting::dateFilter, *options.dates);
}

// The camera the options name, if any; none after telling the user, when no camera has the name.
std::optional<std::optional<Camera>> namedCamera(const RunOptions& options, const AppModel& model,
                                                 Console& console) {
    if (!options.camera)
        return std::optional<Camera>();
    std::optional<Camera> camera = model.cameras().named(*options.camera);
    if (!camera) {
        console.message(noSuchCamera(model.cameras(), *options.camera));
        return std::nullopt;
    }
    return camera;
}

// Scans one card and makes the run's choices on its desk, which is then the selected one.
std::variant<PreparedRun, int> prepareCard(ModelHost& host, const CardVolume& card,
                                           const RunOptions& options,
                                           const std::optional<Camera>& camera) {
    PreparedRun run;
    AppModel& model = host.model();
    if (!host.scan(card))
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

std::variant<PreparedRun, int> prepare(const Invocation& invocation, Console& console,
                                       SignalWatcher& signals, bool copies) {
    auto host = std::make_unique<ModelHost>(signals, ModelHost::Options{.copies = copies});
    AppModel& model = host->model();
    if (const std::optional<QString>& error = model.history().lastError())
        console.message(*error);
    const std::optional<CardVolume> target = cardTargetOrReport(invocation.card, model, console);
    if (!target)
        return exitCode::usage;
    const auto camera = namedCamera(invocation.run, model, console);
    if (!camera)
        return exitCode::usage;
    applyRunOptions(invocation.run, model.settings());
    auto prepared = prepareCard(*host, *target, invocation.run, *camera);
    if (PreparedRun* run = std::get_if<PreparedRun>(&prepared))
        run->host = std::move(host);
    return prepared;
}

// A card that could not be read all through fails the command, whatever else it did.
std::optional<QString> readFailure(const PreparedRun& run) {
    const std::optional<QString> failure = ClipsStageContent::readFailure(*run.session);
    return failure ? std::optional(TerminalText::name(*failure)) : std::nullopt;
}

// Tells what the backups made from first copies left undone since `failedBefore` failures:
// failed when any failed, interrupted when some are left for the next start.
int cascadeStatus(const CascadeQueue& cascade, Console& console, qsizetype failedBefore) {
    for (qsizetype i = failedBefore; i < cascade.failures().size(); ++i)
        console.message(TerminalText::name(cascade.failures()[i].failure.description));
    for (const QString& failure : cascade.manifestFailures())
        console.message(TerminalText::name(failure));
    if (const std::optional<QString>& why = cascade.historyNotSaved()) {
        console.message(TerminalText::name(OffloadFormatting::historyNotSavedLine(*why)));
        return exitCode::failed;
    }
    if (cascade.failures().size() > failedBefore)
        return exitCode::failed;
    return cascade.isIdle() ? exitCode::done : exitCode::interrupted;
}

// Waits for the backups being made from first copies, as an offload does at its end.
int finishCascade(ModelHost& host, Console& console, const CardVolume& card) {
    CascadeQueue& cascade = host.model().cascadeQueue();
    console.message(TerminalText::name(
        QCoreApplication::translate("OffloadCommands",
                                    "Making the backups of “%1” left from its last offload…")
            .arg(card.name)));
    const qsizetype failedBefore = cascade.failures().size();
    host.waitUntil([&] { return cascade.isIdle(); });
    return cascadeStatus(cascade, console, failedBefore);
}

int blockedStatus(const PreparedRun& run) {
    return run.session->inventory().unreadable ? exitCode::failed : exitCode::blocked;
}

} // namespace

int OffloadCommands::scan(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    auto prepared = prepare(invocation, console, signals, false);
    if (const int* status = std::get_if<int>(&prepared))
        return *status;
    const PreparedRun& run = std::get<PreparedRun>(prepared);
    AppModel& model = run.host->model();
    if (!run.host->waitUntil([&] { return !model.isReadingCardFacts(); }))
        return exitCode::interrupted;
    if (invocation.json)
        console.writeOut(
            JsonOutput::text(JsonOutput::scan(*run.session, run.blocker, model.cardFacts())));
    else
        console.out() << TextOutput::scan(*run.session, run.blocker, model.cardFacts());
    if (const std::optional<QString> failure = readFailure(run)) {
        if (invocation.json)
            console.message(*failure);
        return exitCode::failed;
    }
    return exitCode::done;
}

int OffloadCommands::plan(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    auto prepared = prepare(invocation, console, signals, false);
    if (const int* status = std::get_if<int>(&prepared))
        return *status;
    const PreparedRun& run = std::get<PreparedRun>(prepared);
    const std::optional<QString> destination =
        run.host->model().settings().value(setting::destinationPath);
    const QList<PlannedFile> files = run.host->model().plan();
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

namespace {

// What one card's run came to, on standard output (and error); its exit status.
struct CardOutcome {
    int status = exitCode::done;
    QJsonObject json;
    // Why the card was not read all through, told last.
    std::optional<QString> failure;
};

CardOutcome tellOutcome(const Invocation& invocation, Console& console, const PreparedRun& run,
                        bool ejected, bool several) {
    const OffloadSession& session = *run.session;
    const OffloadSummary summary = session.summary().value_or(OffloadSummary{});
    Log::info(Log::Category::app,
              QStringLiteral("Command-line offload of ") + session.card().url +
                  QStringLiteral(": ") + OffloadFormatting::summaryLine(summary) +
                  (summary.cancelled ? QStringLiteral(", cancelled") : QString()));

    const std::optional<QString> failure = readFailure(run);
    QString result = OffloadFormatting::finishedTitle(summary, !failure) + u'\n' +
                     OffloadFormatting::finishedSubtitle(summary, ejected) + u'\n';
    for (const QString& line : OffloadFormatting::problemLines(summary, session.card().name))
        result += QStringLiteral("  ") + TerminalText::name(line) + u'\n';
    if (several)
        result = TerminalText::name(quoted(session.card().name)) + QStringLiteral(": ") + result;
    CardOutcome outcome;
    if (invocation.json) {
        outcome.json = JsonOutput::offload(summary, session.recorded());
        console.message(result.trimmed());
    } else {
        console.out() << result;
        console.out().flush();
    }
    outcome.failure = failure;
    if (summary.cancelled)
        outcome.status = exitCode::interrupted;
    else if (summary.failed > 0 || !summary.recordFailures.isEmpty() || summary.historyNotSaved ||
             failure)
        outcome.status = exitCode::failed;
    return outcome;
}

// The worst of several statuses: an interrupt, then a failure, then an offload that couldn't
// start.
int worst(int a, int b) {
    const auto rank = [](int status) {
        return status == exitCode::interrupted ? 4
               : status == exitCode::failed    ? 3
               : status == exitCode::usage     ? 2
               : status == exitCode::blocked   ? 1
                                               : 0;
    };
    return rank(b) > rank(a) ? b : a;
}

// Several cards through the queue: each is scanned and given the run's choices, then all are
// handed over at once; those whose copies land on one drive take turns.
int offloadSeveral(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    ModelHost host(signals, {.copies = true});
    AppModel& model = host.model();
    if (const std::optional<QString>& error = model.history().lastError())
        console.message(*error);
    QList<CardVolume> cards;
    for (const QString& argument : invocation.cards) {
        const std::optional<CardVolume> target = cardTargetOrReport(argument, model, console);
        if (!target)
            return exitCode::usage;
        if (std::any_of(cards.cbegin(), cards.cend(),
                        [&](const CardVolume& c) { return c.id() == target->id(); })) {
            console.message(QCoreApplication::translate("OffloadCommands", "%1 is named twice.")
                                .arg(TerminalText::name(quoted(target->name))));
            return exitCode::usage;
        }
        cards.append(*target);
    }
    const auto camera = namedCamera(invocation.run, model, console);
    if (!camera)
        return exitCode::usage;
    applyRunOptions(invocation.run, model.settings());

    int status = exitCode::done;
    std::vector<PreparedRun> runs;
    for (const CardVolume& card : cards) {
        auto prepared = prepareCard(host, card, invocation.run, *camera);
        if (const int* problem = std::get_if<int>(&prepared))
            return *problem;
        PreparedRun& run = std::get<PreparedRun>(prepared);
        if (run.blocker) {
            console.message(TerminalText::name(quoted(card.name)) + QStringLiteral(": ") +
                            TerminalText::name(*run.blocker));
            status = worst(status, blockedStatus(run));
            continue;
        }
        runs.push_back(std::move(run));
    }
    QSet<QString> ejected;
    QObject::connect(&model.devices(), &CardDevices::ejectEnded, &host,
                     [&](const CardVolume& card, const std::optional<QString>& error) {
                         if (!error)
                             ejected.insert(card.id());
                     });
    QObject::connect(&signals, &SignalWatcher::interrupted, &host, [&] {
        console.message(QCoreApplication::translate(
            "OffloadCommands", "Stopping… the files being copied are removed, the copies "
                               "already verified stay recorded."));
        for (OffloadSession* waiting : model.queue().waiting())
            model.queue().cancel(waiting);
        for (OffloadSession* running : model.queue().running())
            running->cancel();
    });
    if (signals.wasInterrupted())
        return exitCode::interrupted;
    for (PreparedRun& run : runs) {
        CardDesk* desk = model.desk(run.session->card().id());
        model.startDeskOffload(*desk);
        if (!run.session->isRunning() && !run.session->isWaiting()) {
            console.message(
                TerminalText::name(quoted(run.session->card().name)) + QStringLiteral(": ") +
                QCoreApplication::translate("OffloadCommands", "The offload couldn’t start."));
            status = worst(status, exitCode::failed);
        } else if (model.queue().isWaiting(run.session)) {
            console.message(TerminalText::name(quoted(run.session->card().name)) +
                            QStringLiteral(": ") +
                            QCoreApplication::translate("OffloadCommands",
                                                        "waiting for its turn on the drive."));
        }
    }
    // The program run after each card belongs to its offload: the summaries wait for it, and
    // for the backups cascading from the cards' first copies (an interrupt leaves those to the
    // next start).
    CascadeQueue& cascade = model.cascadeQueue();
    host.waitUntil(
        [&] {
            return model.queue().isEmpty() && !model.devices().isEjecting() &&
                   !model.isRunningAfterwards() && model.reportsWriting() == 0 &&
                   (cascade.isIdle() || signals.wasInterrupted());
        },
        false);

    QJsonArray json;
    for (const PreparedRun& run : runs) {
        if (!run.session->summary())
            continue;
        CardOutcome outcome =
            tellOutcome(invocation, console, run, ejected.contains(run.session->card().id()), true);
        outcome.json.insert(QStringLiteral("card"), run.session->card().url);
        json.append(outcome.json);
        if (outcome.failure)
            console.message(*outcome.failure);
        status = worst(status, outcome.status);
    }
    if (invocation.json)
        console.writeOut(JsonOutput::text(json));
    if (const std::optional<QString>& error = model.devices().ejectError())
        console.message(*error);
    if (const std::optional<QString> shared = host.sharedHistoryProblem())
        console.message(*shared);
    if (const std::optional<QString>& historyError = model.history().lastError()) {
        console.message(*historyError);
        status = worst(status, exitCode::failed);
    }
    return worst(status, cascadeStatus(cascade, console, 0));
}

} // namespace

int OffloadCommands::offload(const Invocation& invocation, Console& console,
                             SignalWatcher& signals) {
    if (invocation.cards.size() > 1)
        return offloadSeveral(invocation, console, signals);
    auto prepared = prepare(invocation, console, signals, true);
    if (const int* status = std::get_if<int>(&prepared))
        return *status;
    PreparedRun& run = std::get<PreparedRun>(prepared);
    if (run.blocker) {
        console.message(TerminalText::name(*run.blocker));
        // Nothing to copy from the card, but its backups from an earlier run's first copies
        // are still to be made: they are this card's offload too.
        if (run.host->model().cascadeQueue().pendingFiles(run.session->card().volumeIdentity()) >
            0) {
            const int status = finishCascade(*run.host, console, run.session->card());
            // A card that could not be read is not offloaded, whatever its backups did.
            return run.session->inventory().unreadable ? worst(status, exitCode::failed) : status;
        }
        return blockedStatus(run);
    }
    ModelHost& host = *run.host;
    AppModel& model = host.model();
    OffloadSession& session = *run.session;

    ProgressPrinter printer(session, console);
    CascadeQueue& cascade = model.cascadeQueue();
    QObject::connect(&signals, &SignalWatcher::interrupted, &printer, [&] {
        if (!session.isRunning()) {
            if (!cascade.isIdle())
                printer.note(QCoreApplication::translate(
                    "OffloadCommands", "Stopping… the backups still to be made from the first "
                                       "copies are made the next time Stowly runs."));
            return;
        }
        printer.note(QCoreApplication::translate("OffloadCommands",
                                                 "Stopping… the file being copied is removed, the "
                                                 "copies already verified stay recorded."));
        session.cancel();
    });
    // The card is free once its first copies are proved; the backups made from them follow.
    QObject::connect(&session, &OffloadSession::finished, &printer, [&] {
        const QStringList backups = cascade.pendingRoots(session.card().volumeIdentity());
        if (!backups.isEmpty())
            printer.note(TerminalText::name(
                OffloadFormatting::safeToRemove(session.card().name, backups.size())));
    });
    int cascaded = 0;
    QObject::connect(&cascade, &CascadeQueue::recorded, &printer, [&] { ++cascaded; });
    bool ejected = false;
    QObject::connect(
        &model.devices(), &CardDevices::ejectEnded, &printer,
        [&](const CardVolume&, const std::optional<QString>& error) { ejected = !error; });

    if (signals.wasInterrupted())
        return exitCode::interrupted;
    model.startOffload();
    if (!session.isRunning()) {
        console.message(
            QCoreApplication::translate("OffloadCommands", "The offload couldn’t start."));
        return exitCode::failed;
    }
    // The copies cascading from this card's main copies belong to its offload too.
    // An interrupt leaves them to the next start, which takes up what the backlog holds.
    host.waitUntil(
        [&] {
            return session.phase() == OffloadSession::Phase::finished &&
                   !model.devices().isEjecting() && !model.isRunningAfterwards() &&
                   model.reportsWriting() == 0 && (cascade.isIdle() || signals.wasInterrupted());
        },
        false);
    printer.finish();
    const bool cascadeLeft = !cascade.isIdle();

    CardOutcome outcome = tellOutcome(invocation, console, run, ejected, false);
    const std::optional<QString> sharedProblem = host.sharedHistoryProblem();
    if (invocation.json) {
        if (sharedProblem)
            outcome.json.insert(QStringLiteral("historyServerProblem"), *sharedProblem);
        if (cascaded > 0 || !cascade.failures().isEmpty() || cascadeLeft)
            outcome.json.insert(QStringLiteral("cascade"),
                                JsonOutput::cascade(cascaded, cascade.pendingFiles(),
                                                    cascade.failures(),
                                                    cascade.manifestFailures()));
        console.writeOut(JsonOutput::text(outcome.json));
    }
    if (const std::optional<QString>& error = model.devices().ejectError())
        console.message(*error);
    if (sharedProblem)
        console.message(*sharedProblem);
    const std::optional<QString>& historyError = model.history().lastError();
    if (historyError)
        console.message(*historyError);
    if (outcome.failure)
        console.message(*outcome.failure);
    // A backup that could not be made from the main copy leaves the file short of a copy.
    const int cascadeEnd = cascadeStatus(cascade, console, 0);
    if (outcome.status == exitCode::done && historyError)
        return exitCode::failed;
    return outcome.status == exitCode::done ? cascadeEnd : outcome.status;
}

} // namespace stowly
