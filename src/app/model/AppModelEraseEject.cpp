// The application model's eject and erase: the card's last steps, kept apart from the road that
// leads to them.
#include "app/model/AppModel.h"

#include "app/model/SharedHistory.h"

#include "app/model/AutomaticOffload.h"
#include "app/model/CardDesk.h"
#include "app/model/CardDevices.h"
#include "app/model/CardScan.h"
#include "app/prompts/ImportPrompter.h"
#include "app/wording/FormatAlert.h"
#include "base/Background.h"
#include "base/Log.h"
#include "devices/CardFormatter.h"
#include "session/CascadeQueue.h"
#include "session/OffloadSession.h"

namespace stowly {

namespace {

// A card whose facts are still being read is busy: its files are open in the helpers. The stop
// ends those readings within a moment; waiting for that is what lets the card go.
void letGoOfFiles(CardDesk* desk) {
    if (!desk)
        return;
    const std::shared_future<void> ended = desk->stopFactsReading();
    if (ended.valid())
        ended.wait_for(std::chrono::seconds(3));
}

} // namespace

void AppModel::ejectCard(const CardVolume& card) {
    // Ejecting the card a run is reading would fail the copy half way.
    CardDesk* desk = this->desk(card.id());
    if (desk && desk->isRunning())
        return;
    letGoOfFiles(desk);
    m_devices->eject(card);
}

void AppModel::cardFileSystemAppeared(const QString& device, const QString& name) {
    // An erase or an eject in progress unmounts and remounts cards on its own; mounting one
    // of its file systems in between would race with it.
    if (!m_settings->value(setting::mountCardsWhenInserted) || isFormatting() ||
        m_devices->isEjecting())
        return;
    // A station leaves alone what none of its rules would take (a colleague's stick).
    if (m_automatic->isUnattended() && !m_automatic->mightTake(name)) {
        Log::info(Log::Category::importPrompt,
                  QStringLiteral("Not mounting %1 (%2): no rule takes it").arg(device, name));
        return;
    }
    Log::info(Log::Category::importPrompt, QStringLiteral("Mounting the inserted card ") + device);
    m_devices->mount(device, name);
}

std::optional<FormatReadiness> AppModel::formatReadiness() const {
    if (!m_desk || !m_desk->inventory())
        return std::nullopt;
    const OffloadSession* session = m_desk->session();
    const ShortClipSkip skipped = session ? session->skippedShort() : ShortClipSkip{};
    FormatReadiness readiness(*m_desk->inventory(), skipped);
    const QHash<QString, MediaFacts>& facts = m_desk->facts();
    for (const Clip& clip : m_desk->inventory()->allClips())
        if (const auto found = facts.constFind(clip.relativePath);
            found != facts.cend() && found->damage)
            readiness.damagedClips << clip.fileName();
    return readiness;
}

bool AppModel::canFormatSelectedCard() const {
    const auto readiness = formatReadiness();
    // Not while backups are still being made from its first copies: they are its copies too.
    return selectedCard() && readiness && !m_desk->isScanning() && !m_desk->isBusy() &&
           !isFormatting() && !readiness->unreadable && readiness->fileCount >= 1 &&
           readiness->notOffloaded + readiness->missingCopies + readiness->uncheckedCopies == 0 &&
           m_cascade->pendingFiles(selectedCard()->volumeIdentity()) == 0;
}

void AppModel::formatSelectedCard() {
    if (!canFormatSelectedCard())
        return;
    const CardVolume card = *selectedCard();
    // The clips the user agreed to lose: the short clips left on the card and their sidecars.
    QSet<QString> discarding;
    if (const OffloadSession* session = m_desk->session())
        for (const Clip& clip : m_desk->inventory()->newFiles)
            if (session->skippedShort().ids.contains(clip.id()))
                discarding.insert(clip.historyKey(card.volumeIdentity()));
    letGoOfFiles(m_desk);
    m_formattingCardPath = card.url;
    setFormatState({FormatState::Kind::formatting, card.name});

    const std::optional<QString> destination = m_settings->value(setting::destinationPath);
    std::shared_ptr<CardFormatter> formatter = m_devices->formatter();
    background::run(
        this,
        [formatter, card, destination, discarding, history = m_history->entriesByKey(),
         rules = m_settings->value(setting::fileRules),
         backups = m_settings->value(setting::backupDestinations),
         others = m_shared->otherStations()] {
            std::optional<ScanFailure> unreadable;
            const FormatOutcome outcome = formatter->format(card, destination, std::nullopt, [&] {
                // Ready only while every destination, backups too, has the copies.
                const CardInventory fresh =
                    CardScan::inventory(card, history, rules, backups, others);
                unreadable = fresh.unreadable;
                return FormatReadiness::stillReady(fresh, card.volumeIdentity(), discarding);
            });
            // A card that could not be read did not change; say what happened.
            if (unreadable &&
                outcome == FormatOutcome::refused(CardFormatter::changedMeanwhile(card.name)))
                return FormatOutcome::refused(FormatAlert::unreadableText(card.name, *unreadable));
            return outcome;
        },
        [this, card](FormatOutcome outcome) { formatFinished(card, outcome); });
}

void AppModel::formatFinished(const CardVolume& card, const FormatOutcome& outcome) {
    m_formattingCardPath.reset();
    Log::info(Log::Category::app, QStringLiteral("Format of ") + card.url + QStringLiteral(": ") +
                                      outcome.description());
    if (!outcome.isFormatted()) {
        setFormatState({FormatState::Kind::failed, outcome.text});
        m_importPrompter->offloadEnded();
        Q_EMIT formatEnded(outcome);
        return;
    }
    setFormatState({FormatState::Kind::formatted, outcome.text, outcome.note});
    if (CardDesk* desk = this->desk(card.id()))
        desk->setInventory(CardInventory{});
    const QString mountPath = outcome.mountPoint.value_or(card.url);
    m_importPrompter->offloadEnded();
    if (m_settings->value(setting::ejectAfterOffload)) {
        ejectCard(CardVolume{mountPath, outcome.text, std::nullopt});
    } else {
        bool listed = false;
        for (const CardVolume& c : m_watcher->cards())
            if (c.url == mountPath) {
                listed = true;
                select(c, true);
                break;
            }
        if (!listed)
            m_pendingFormattedMount = mountPath;
    }
    Q_EMIT formatEnded(outcome);
}

} // namespace stowly
