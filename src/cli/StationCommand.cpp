#include "cli/StationCommand.h"

#include "session/CascadeQueue.h"

#include "app/model/AutomaticOffload.h"
#include "app/model/CardDesk.h"
#include "app/model/CardDevices.h"
#include "app/model/OffloadFormatting.h"
#include "app/stores/RuleStore.h"
#include "base/Log.h"
#include "base/SignalWatcher.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/JsonOutput.h"
#include "cli/ModelHost.h"
#include "cli/TerminalText.h"
#include "devices/SpaceInfo.h"
#include "session/CascadeQueue.h"
#include "session/OffloadQueue.h"
#include "session/OffloadSession.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace stowly {
namespace {

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(StationCommand)
};

// Tells each step of each card as it happens: a sentence, or one JSON object per line.
class EventLines {
public:
    EventLines(Console& console, bool json) : m_console(console), m_json(json) {}

    // An empty sentence tells only the JSON lines.
    void tell(const QString& event, const CardVolume* card, const QString& sentence,
              QJsonObject fields = {}) {
        if (!m_json && sentence.isEmpty())
            return;
        if (!m_json) {
            m_console.out() << sentence << '\n';
            m_console.out().flush();
            return;
        }
        fields.insert(QStringLiteral("event"), event);
        fields.insert(QStringLiteral("time"),
                      QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
        if (card) {
            fields.insert(QStringLiteral("card"), card->name);
            fields.insert(QStringLiteral("path"), card->url);
            fields.insert(QStringLiteral("identity"), card->volumeIdentity());
        }
        m_console.out().flush();
        m_console.writeOut(QJsonDocument(fields).toJson(QJsonDocument::Compact) + '\n');
    }

private:
    Console& m_console;
    bool m_json;
};

// The rule a station given a preset follows for every card; none, after telling why, when
// the preset or the project won't do.
std::optional<std::optional<OffloadRule>> everyCardRule(const Invocation& invocation,
                                                        AppModel& model, Console& console) {
    if (!invocation.preset)
        return std::optional<OffloadRule>();
    OffloadRule rule;
    for (const OffloadPreset& preset : model.presets().presets())
        if (preset.displayName().compare(*invocation.preset, Qt::CaseInsensitive) == 0)
            rule.presetID = preset.id;
    if (!rule.presetID) {
        console.message(
            Words::tr("There’s no preset named %1. Run “stowly-cli presets” to list them.")
                .arg(TerminalText::quotedName(*invocation.preset)));
        return std::nullopt;
    }
    rule.project = invocation.run.project.value_or(QString());
    rule.ejectWhenVerified = invocation.eject;
    if (const std::optional<QString> refusal = model.automaticOffload().refusal(rule)) {
        console.message(TerminalText::name(*refusal));
        return std::nullopt;
    }
    return std::optional(rule);
}

} // namespace

int StationCommand::run(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    ModelHost host(signals, {.allowPasswordPrompt = invocation.allowsPasswordPrompt,
                             .followsCards = true,
                             .copies = true});
    AppModel& model = host.model();
    if (const std::optional<QString>& error = model.history().lastError())
        console.message(*error);
    AutomaticOffload& automatic = model.automaticOffload();
    const auto rule = everyCardRule(invocation, model, console);
    if (!rule)
        return exitCode::usage;
    if (!*rule && model.rules().rules().isEmpty()) {
        console.message(
            Words::tr("There are no rules to offload cards by. Add one with “stowly-cli "
                      "rules add”, or give every card one preset with --preset."));
        return exitCode::usage;
    }
    automatic.setEveryCardRule(*rule);
    automatic.setEjectEveryCard(invocation.eject);
    automatic.setUnattended(true);
    AppSettings& settings = model.settings();
    if (invocation.mountCards)
        settings.overrideForRun(setting::mountCardsWhenInserted, true);
    if (invocation.hook)
        settings.overrideForRun(setting::afterOffloadProgram, *invocation.hook);
    // A card nobody watches over is never asked about, nor its window brought up.
    settings.overrideForRun(setting::askToImportOnMount, false);

    EventLines lines(console, invocation.json);
    int offloaded = 0;
    int failed = 0;
    QObject::connect(
        &automatic, &AutomaticOffload::cardArrived, &host, [&](const CardVolume& card) {
            lines.tell(QStringLiteral("inserted"), &card,
                       Words::tr("%1 inserted at %2.")
                           .arg(TerminalText::quotedName(card.name), TerminalText::name(card.url)));
        });
    QObject::connect(&automatic, &AutomaticOffload::cardLeft, &host, [&](const CardVolume& card) {
        lines.tell(QStringLiteral("removed"), &card,
                   Words::tr("%1 removed.").arg(TerminalText::quotedName(card.name)));
    });
    QObject::connect(
        &automatic, &AutomaticOffload::leftAlone, &host,
        [&](const CardVolume& card, const QString& reason) {
            lines.tell(QStringLiteral("ignored"), &card,
                       Words::tr("%1 left alone: %2")
                           .arg(TerminalText::quotedName(card.name), TerminalText::name(reason)),
                       {{QStringLiteral("reason"), reason}});
        });
    QObject::connect(
        &automatic, &AutomaticOffload::failed, &host,
        [&](const CardVolume& card, const QString& reason) {
            ++failed;
            lines.tell(QStringLiteral("failed"), &card,
                       Words::tr("%1 failed: %2")
                           .arg(TerminalText::quotedName(card.name), TerminalText::name(reason)),
                       {{QStringLiteral("reason"), reason}});
        });
    // The cards whose backups are still being made from their first copies, by identity.
    QHash<QString, CardVolume> cascadingCards;
    // A run is told as started when the queue lets it go, after it was told as queued.
    QSet<QString> queued;
    QSet<QString> started;
    const auto tellStarted = [&] {
        for (OffloadSession* session : model.queue().running()) {
            if (started.contains(session->card().id()) || !queued.contains(session->card().id()))
                continue;
            started.insert(session->card().id());
            const CardDesk* desk = model.desk(session->card().id());
            const qsizetype files = desk ? desk->newClips().size() : 0;
            const qint64 bytes = desk ? desk->newBytes() : 0;
            lines.tell(QStringLiteral("started"), &session->card(),
                       Words::tr("%1: copying %n files (%2).", nullptr, int(files))
                           .arg(TerminalText::quotedName(session->card().name),
                                SpaceInfo::formatBytes(bytes)),
                       {{QStringLiteral("files"), files}, {QStringLiteral("bytes"), bytes}});
        }
    };
    QObject::connect(&model, &AppModel::queueChanged, &host, tellStarted);
    QObject::connect(
        &automatic, &AutomaticOffload::handedOver, &host,
        [&](const CardVolume& card, bool waiting) {
            queued.insert(card.id());
            lines.tell(QStringLiteral("queued"), &card,
                       waiting ? Words::tr("%1 queued: waiting for its turn on the drive.")
                                     .arg(TerminalText::quotedName(card.name))
                               : Words::tr("%1 queued.").arg(TerminalText::quotedName(card.name)),
                       {{QStringLiteral("waiting"), waiting}});
            tellStarted();
        });
    QObject::connect(
        &model, &AppModel::offloadEnded, &host,
        [&](const CardVolume& card, const OffloadSummary& summary) {
            const bool good = !summary.cancelled && summary.failed == 0 &&
                              summary.recordFailures.isEmpty() && !summary.historyNotSaved;
            good ? ++offloaded : ++failed;
            queued.remove(card.id());
            started.remove(card.id());
            QString sentence = TerminalText::quotedName(card.name) + QStringLiteral(": ") +
                               OffloadFormatting::finishedTitle(summary) + QStringLiteral(" — ") +
                               OffloadFormatting::summaryLine(summary);
            for (const QString& problem : OffloadFormatting::problemLines(summary, card.name))
                sentence += QStringLiteral("\n  ") + TerminalText::name(problem);
            const CardDesk* desk = model.desk(card.id());
            const OffloadSession* session = desk ? desk->session() : nullptr;
            QJsonObject fields =
                JsonOutput::offload(summary, session ? session->recorded() : QList<HistoryEntry>());
            lines.tell(QStringLiteral("finished"), &card, sentence, fields);
            const QStringList backups = model.cascadeQueue().pendingRoots(card.volumeIdentity());
            if (!backups.isEmpty()) {
                cascadingCards.insert(card.volumeIdentity(), card);
                lines.tell(
                    QStringLiteral("safeToRemove"), &card,
                    TerminalText::name(OffloadFormatting::safeToRemove(card.name, backups.size())),
                    {{QStringLiteral("backups"), QJsonArray::fromStringList(backups)}});
            }
        });
    // The backups made from first copies, apart from the cards' own part.
    CascadeQueue& cascade = model.cascadeQueue();
    const auto tellCascade = [&] {
        const CascadeQueue::Progress p = cascade.progress();
        lines.tell(QStringLiteral("cascadeProgress"), nullptr, {},
                   {{QStringLiteral("filesLeft"), p.filesLeft},
                    {QStringLiteral("bytesDone"), p.bytesDone},
                    {QStringLiteral("bytesTotal"), p.bytesTotal}});
    };
    QObject::connect(&cascade, &CascadeQueue::recorded, &host, tellCascade);
    QObject::connect(
        &cascade, &CascadeQueue::failed, &host, [&](const CascadeQueue::Failure& failure) {
            const QString& why = failure.failure.description;
            lines.tell(QStringLiteral("cascadeFailed"), nullptr, TerminalText::name(why),
                       {{QStringLiteral("source"), failure.item.first.sourceKey},
                        {QStringLiteral("destinationRoot"), failure.root},
                        {QStringLiteral("reason"), why}});
            tellCascade();
        });
    QObject::connect(&cascade, &CascadeQueue::cardFinished, &host, [&](const QString& identity) {
        const auto card = cascadingCards.constFind(identity);
        if (card == cascadingCards.cend())
            return;
        lines.tell(QStringLiteral("backupsMade"), &*card,
                   Words::tr("%1: the backups from the first copies are made.")
                       .arg(TerminalText::quotedName(card->name)));
        cascadingCards.erase(card);
    });
    QObject::connect(&model.devices(), &CardDevices::ejectEnded, &host,
                     [&](const CardVolume& card, const std::optional<QString>& error) {
                         if (error)
                             lines.tell(QStringLiteral("failed"), &card,
                                        Words::tr("%1 couldn’t be ejected: %2")
                                            .arg(TerminalText::quotedName(card.name),
                                                 TerminalText::name(*error)),
                                        {{QStringLiteral("reason"), *error}});
                         else
                             lines.tell(QStringLiteral("ejected"), &card,
                                        Words::tr("%1 ejected; it can be taken out.")
                                            .arg(TerminalText::quotedName(card.name)));
                     });
    QObject::connect(&model, &AppModel::afterwardsEnded, &host,
                     [&](const CardVolume& card, const std::optional<QString>& failure) {
                         if (failure)
                             lines.tell(QStringLiteral("hookFailed"), &card,
                                        TerminalText::quotedName(card.name) + QStringLiteral(": ") +
                                            TerminalText::name(*failure),
                                        {{QStringLiteral("reason"), *failure}});
                     });

    lines.tell(
        QStringLiteral("watching"), nullptr,
        *rule ? Words::tr("Watching for cards; each is offloaded with the preset %1.")
                    .arg(TerminalText::quotedName(*invocation.preset))
              : Words::tr("Watching for cards; each is offloaded by the first of %n rule(s) it "
                          "matches.",
                          nullptr, int(model.rules().rules().size())));
    Log::info(Log::Category::app, QStringLiteral("Station started"));
    model.startWatchingCards();
    host.waitUntil([] { return false; });

    // Stopping as Ctrl-C stops an offload: what is being copied goes, what is proved stays.
    if (!model.queue().isEmpty())
        console.message(
            Words::tr("Stopping… the files being copied are removed, the copies already "
                      "verified stay recorded."));
    for (OffloadSession* waiting : model.queue().waiting())
        model.queue().cancel(waiting);
    for (OffloadSession* running : model.queue().running())
        running->cancel();
    if (!model.cascadeQueue().isIdle())
        console.message(
            Words::tr("The backups still to be made from the first copies are made the next "
                      "time Stowly runs."));
    host.waitUntil(
        [&] {
            return model.queue().isEmpty() && !model.devices().isEjecting() &&
                   !model.isRunningAfterwards();
        },
        false);
    lines.tell(QStringLiteral("stopped"), nullptr,
               Words::tr("Station stopped: %1 offloaded, %2 failed.").arg(offloaded).arg(failed),
               {{QStringLiteral("offloaded"), offloaded}, {QStringLiteral("failed"), failed}});
    if (const std::optional<QString> shared = host.sharedHistoryProblem())
        console.message(*shared);
    if (const std::optional<QString>& historyError = model.history().lastError()) {
        console.message(*historyError);
        return exitCode::failed;
    }
    return exitCode::done;
}

} // namespace stowly
