#include "cli/CardCommands.h"

#include "app/model/CardDevices.h"
#include "app/model/CardHistory.h"
#include "app/model/SharedHistory.h"
#include "app/wording/FormatAlert.h"
#include "app/wording/ReoffloadAlert.h"
#include "app/wording/StageTexts.h"
#include "base/SignalWatcher.h"
#include "cli/CardTarget.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/HistoryServerCommand.h"
#include "cli/JsonOutput.h"
#include "cli/ModelHost.h"
#include "cli/TerminalText.h"
#include "cli/TextOutput.h"
#include "devices/FormatOutcome.h"
#include "history/HistoryFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace stowly {
namespace {

// A card argument that names no folder is a usage error; a folder that is refused as a card
// (the startup disk) is a refusal like any other.
int unusableCardStatus(const QString& path) {
    return QFileInfo(path).isDir() ? exitCode::failed : exitCode::usage;
}

} // namespace

int CardCommands::cards(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    ModelHost host(signals);
    const QList<CardVolume> cards = host.listCards();
    const QList<DiskTool::UnmountedCard> unmounted = host.model().devices().unmountedCards();
    if (invocation.json)
        console.writeOut(JsonOutput::text(
            JsonOutput::cards(cards, unmounted, host.model().devices().backendName())));
    else if (cards.isEmpty() && unmounted.isEmpty())
        console.message(QCoreApplication::translate("CardCommands", "No card is mounted."));
    else
        console.out() << TextOutput::cards(cards) << TextOutput::unmountedCards(unmounted);
    return exitCode::done;
}

int CardCommands::history(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    ModelHost host(signals);
    if (host.model().sharedHistory().server() || invocation.station)
        return HistoryServerCommand::list(invocation, console, host);
    const History& ledger = host.model().history();
    if (const std::optional<QString>& error = ledger.lastError())
        console.message(*error);
    HistoryRecords records = ledger.entries();
    if (invocation.historyCard) {
        const auto owner = CardHistory::named(*invocation.historyCard, host.model().volumes());
        if (const QString* problem = std::get_if<QString>(&owner)) {
            console.message(*problem);
            return unusableCardStatus(*invocation.historyCard);
        }
        records = std::get<CardHistory>(owner).of(records);
    }
    if (invocation.json) {
        // Written as the history file writes itself: a million entries stream in seconds.
        HistoryFile::encode(records, [&](QByteArrayView bytes) {
            console.writeOut(bytes);
            return true;
        });
        console.writeOut("\n");
        return exitCode::done;
    }
    if (records.isEmpty())
        console.out() << StageTexts::historyEmpty() << '\n';
    for (qsizetype i = 0; i < records.size(); ++i)
        console.out() << TextOutput::historyLine(records.at(i)) << '\n';
    return exitCode::done;
}

int CardCommands::forget(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    ModelHost host(signals);
    History& ledger = host.model().history();
    const auto owner = CardHistory::named(invocation.card, host.model().volumes());
    if (const QString* problem = std::get_if<QString>(&owner)) {
        console.message(*problem);
        return unusableCardStatus(invocation.card);
    }
    const CardHistory& o = std::get<CardHistory>(owner);
    if (ledger.saveBlocked()) {
        console.message(*ledger.lastError());
        return exitCode::failed;
    }
    const CardHistory::Counts counts = o.forgettable(ledger.entries());
    const qsizetype forgotten = o.identity ? host.model().history().forgetVolume(*o.identity) : 0;
    if (forgotten == 0) {
        console.out() << QCoreApplication::translate("CardCommands",
                                                     "Stowly has no offloads of %1 to forget.")
                             .arg(TerminalText::quotedName(o.displayName))
                      << '\n';
        return exitCode::done;
    }
    if (const std::optional<QString>& error = ledger.lastError()) {
        console.message(*error);
        return exitCode::failed;
    }
    console.out() << ReoffloadAlert::forgottenText(TerminalText::quotedName(o.displayName),
                                                   counts.files, counts.copies)
                  << '\n';
    return exitCode::done;
}

int CardCommands::format(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    ModelHost host(signals, {.allowPasswordPrompt = invocation.allowsPasswordPrompt});
    AppModel& model = host.model();
    const std::optional<CardVolume> wanted = cardTargetOrReport(invocation.card, model, console);
    if (!wanted)
        return unusableCardStatus(invocation.card);
    std::optional<CardVolume> card;
    for (const CardVolume& listed : host.listCards())
        if (listed.url == wanted->url)
            card = listed;
    if (!card) {
        console.message(
            QCoreApplication::translate("CardCommands", "Stowly only formats memory cards."));
        return exitCode::failed;
    }
    if (!host.scan(*card))
        return exitCode::interrupted;

    const std::optional<FormatReadiness> readiness = model.formatReadiness();
    if (readiness && readiness->unreadable) {
        console.message(TerminalText::name(readiness->unreadable->description()));
        return exitCode::failed;
    }
    if (!readiness || readiness->fileCount == 0) {
        console.message(QCoreApplication::translate("CardCommands", "This card is empty"));
        return exitCode::failed;
    }
    if (const std::optional<QString> pending = readiness->pendingText()) {
        const bool onlyShortClips =
            readiness->notOffloaded + readiness->missingCopies + readiness->uncheckedCopies == 0;
        if (!onlyShortClips || !invocation.discardShortClips) {
            console.message(*pending);
            if (onlyShortClips)
                console.message(QCoreApplication::translate(
                    "CardCommands", "Add --discard-short-clips to format anyway; the skipped short "
                                    "clips have no copy and are lost."));
            return exitCode::failed;
        }
    }
    if (!model.canFormatSelectedCard()) {
        console.message(FormatAlert::helpText(false, readiness));
        return exitCode::failed;
    }

    // Stopping an erase half way would leave a card no camera can use.
    QObject::connect(&signals, &SignalWatcher::interrupted, &host, [&console] {
        console.message(QCoreApplication::translate(
            "CardCommands", "The card is being formatted; Stowly finishes first."));
    });
    std::optional<FormatOutcome> outcome;
    QObject::connect(&model, &AppModel::formatEnded, &host,
                     [&](const FormatOutcome& ended) { outcome = ended; });
    model.formatSelectedCard();
    host.waitUntil([&] { return outcome && !model.devices().isEjecting(); }, false);
    if (!outcome->isFormatted()) {
        console.message(TerminalText::lines(outcome->text));
        return exitCode::failed;
    }
    // A card that couldn't be mounted again is formatted all the same; the note says so.
    console.out() << outcome->note.value_or(
                         FormatAlert::formattedText(TerminalText::name(outcome->text)))
                  << '\n';
    if (const std::optional<QString>& error = model.devices().ejectError())
        console.message(*error);
    return exitCode::done;
}

int CardCommands::eject(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    ModelHost host(signals, {.allowPasswordPrompt = invocation.allowsPasswordPrompt});
    AppModel& model = host.model();
    const std::optional<CardVolume> card = cardTargetOrReport(invocation.card, model, console);
    if (!card)
        return unusableCardStatus(invocation.card);
    bool ended = false;
    QObject::connect(&model.devices(), &CardDevices::ejectEnded, &host, [&] { ended = true; });
    model.ejectCard(*card);
    host.waitUntil([&] { return ended; }, false);
    if (const std::optional<QString>& error = model.devices().ejectError()) {
        console.message(*error);
        return exitCode::failed;
    }
    console.out() << QCoreApplication::translate("CardCommands", "%1 ejected, safe to remove.")
                         .arg(TerminalText::quotedName(card->name))
                  << '\n';
    return exitCode::done;
}

int CardCommands::mount(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    ModelHost host(signals, {.allowPasswordPrompt = invocation.allowsPasswordPrompt});
    AppModel& model = host.model();
    const QString wanted = invocation.card;
    const QString device = QFileInfo(wanted).canonicalFilePath();
    std::optional<DiskTool::UnmountedCard> card;
    for (const DiskTool::UnmountedCard& c : model.devices().unmountedCards())
        if (c.device == wanted || (!device.isEmpty() && c.device == device) || c.name == wanted)
            card = c;
    if (!card) {
        // A device is known by where it is mounted, and a card there by its name.
        const QStringList mountedAt = device.startsWith(QStringLiteral("/dev/"))
                                          ? model.devices().mountPointsOf(device)
                                          : QStringList();
        std::optional<std::pair<QString, QString>> mounted;
        for (const CardVolume& listed : host.listCards())
            if (listed.name == wanted || listed.url == wanted || mountedAt.contains(listed.url))
                mounted = {listed.name, listed.url};
        if (!mounted && !mountedAt.isEmpty())
            mounted = {wanted, mountedAt.first()};
        if (mounted) {
            console.out() << QCoreApplication::translate("CardCommands",
                                                         "%1 is already mounted at %2.")
                                 .arg(TerminalText::quotedName(mounted->first),
                                      TerminalText::name(mounted->second))
                          << '\n';
            return exitCode::done;
        }
        console.message(QCoreApplication::translate("CardCommands",
                                                    "Stowly found no card %1 that isn’t mounted. "
                                                    "“stowly-cli cards” lists them.")
                            .arg(TerminalText::quotedName(wanted)));
        return exitCode::usage;
    }
    std::optional<std::pair<std::optional<QString>, QString>> ended;
    QObject::connect(&model.devices(), &CardDevices::mountEnded, &host,
                     [&](const QString&, const std::optional<QString>& at, const QString& failure) {
                         ended = {at, failure};
                     });
    model.devices().mount(card->device, card->name);
    host.waitUntil([&] { return ended.has_value(); }, false);
    if (!ended->first) {
        console.message(QCoreApplication::translate("CardCommands", "Couldn’t mount %1: %2")
                            .arg(TerminalText::quotedName(card->name), ended->second));
        return exitCode::failed;
    }
    console.out() << QCoreApplication::translate("CardCommands", "%1 mounted at %2.")
                         .arg(TerminalText::quotedName(card->name),
                              TerminalText::name(*ended->first))
                  << '\n';
    return exitCode::done;
}

} // namespace stowly
