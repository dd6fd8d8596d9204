// The application model's desks, one per card that is in, and the road of a card: inserted,
// selected, scanned, given its session, taken out.
#include "app/model/AppModel.h"

#include "app/model/SharedHistory.h"

#include "app/lists/CardListModel.h"
#include "app/model/AutomaticOffload.h"
#include "app/model/CardDesk.h"
#include "app/model/CardFactsReader.h"
#include "app/model/CardScan.h"
#include "app/prompts/ImportPrompter.h"
#include "app/settings/AppSettings.h"
#include "app/stores/CameraStore.h"
#include "base/Background.h"
#include "base/Log.h"
#include "devices/VolumeWatcher.h"
#include "history/History.h"
#include "session/OffloadQueue.h"
#include "session/OffloadSession.h"

#include <QPointer>

#include <algorithm>

namespace stowly {
namespace {

QString flag(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

// MARK: Desks

OffloadSession* AppModel::session() const {
    return m_desk ? m_desk->session() : nullptr;
}

bool AppModel::isScanning() const {
    return m_desk && m_desk->isScanning();
}

const std::optional<CardInventory>& AppModel::cardInventory() const {
    static const std::optional<CardInventory> none;
    return m_desk ? m_desk->inventory() : none;
}

const QHash<QString, MediaFacts>& AppModel::cardFacts() const {
    static const QHash<QString, MediaFacts> none;
    return m_desk ? m_desk->facts() : none;
}

bool AppModel::isReadingCardFacts() const {
    return m_desk && m_desk->isReadingFacts();
}

const std::optional<OffloadBlocker>& AppModel::offloadBlocker() const {
    return m_desk ? m_desk->blocker() : m_noCardBlocker;
}

QList<CardDesk*> AppModel::desks() const {
    QList<CardDesk*> desks;
    for (const auto& desk : m_desks)
        desks.append(desk.get());
    return desks;
}

CardDesk* AppModel::desk(const QString& cardID) const {
    for (const auto& desk : m_desks)
        if (desk->card().id() == cardID)
            return desk.get();
    return nullptr;
}

CardDesk* AppModel::deskOf(const OffloadSession* session) const {
    for (const auto& desk : m_desks)
        if (session && desk->session() == session)
            return desk.get();
    return nullptr;
}

QList<OffloadSession*> AppModel::sessions() const {
    QList<OffloadSession*> sessions;
    for (const auto& desk : m_desks)
        if (desk->session())
            sessions.append(desk->session());
    return sessions;
}

CardDesk& AppModel::openDesk(const CardVolume& card) {
    if (CardDesk* found = desk(card.id())) {
        found->setCard(card);
        return *found;
    }
    auto made = std::make_unique<CardDesk>(card);
    CardDesk* desk = made.get();
    m_desks.push_back(std::move(made));
    // What the window shows follows the selected desk only; every desk keeps its own blocker
    // and its row in the card list.
    const auto shown = [this, desk](void (AppModel::*signal)()) {
        return [this, desk, signal] {
            if (m_desk == desk)
                Q_EMIT(this->*signal)();
        };
    };
    connect(desk, &CardDesk::sessionChanged, this, shown(&AppModel::sessionChanged));
    connect(desk, &CardDesk::scanningChanged, this, shown(&AppModel::scanningChanged));
    connect(desk, &CardDesk::inventoryChanged, this, shown(&AppModel::inventoryChanged));
    connect(desk, &CardDesk::blockerChanged, this, shown(&AppModel::blockerChanged));
    connect(desk, &CardDesk::factsChanged, this, shown(&AppModel::cardFactsChanged));
    connect(desk, &CardDesk::progressed, this, [this, desk] {
        if (m_desk == desk)
            Q_EMIT offloadProgressed();
    });
    connect(desk, &CardDesk::sessionUpdated, this, shown(&AppModel::sessionUpdated));
    connect(desk, &CardDesk::sessionUpdated, this, [this, desk] {
        // A run changes the session with every copy; the blocker matters again once it ends
        // and is worked out anew before any start.
        if (!desk->isBusy())
            updateDeskBlocker(*desk);
        keepAwake();
    });
    for (auto signal :
         {&CardDesk::sessionChanged, &CardDesk::inventoryChanged, &CardDesk::sessionUpdated})
        connect(desk, signal, m_cardList.get(), &CardListModel::detailsChanged);
    connect(desk, &CardDesk::progressed, m_cardList.get(), &CardListModel::detailsChanged);
    for (auto signal : {&CardDesk::sessionChanged, &CardDesk::scanningChanged})
        connect(desk, signal, this, [this, desk] { updateDeskBlocker(*desk); });
    return *desk;
}

void AppModel::showDesk(CardDesk* desk) {
    if (desk == m_desk)
        return;
    m_desk = desk;
    Q_EMIT sessionChanged();
    Q_EMIT scanningChanged();
    Q_EMIT inventoryChanged();
    Q_EMIT blockerChanged();
    Q_EMIT cardFactsChanged();
}

void AppModel::closeDesk(CardDesk* desk) {
    const auto found = std::find_if(m_desks.begin(), m_desks.end(),
                                    [desk](const auto& d) { return d.get() == desk; });
    if (found == m_desks.end())
        return;
    if (desk->session() && desk->session()->isWaiting())
        m_queue->cancel(desk->session());
    if (m_desk == desk)
        showDesk(nullptr);
    desk->disconnect(this);
    // It may be closing from inside a signal of its own session.
    found->release()->deleteLater();
    m_desks.erase(found);
    Q_EMIT m_cardList->detailsChanged();
}

void AppModel::closeIdleDesks() {
    QList<CardDesk*> idle;
    for (const auto& desk : m_desks) {
        const QString id = desk->card().id();
        const bool listed = std::any_of(m_watcher->cards().cbegin(), m_watcher->cards().cend(),
                                        [&](const CardVolume& c) { return c.id() == id; });
        if (!listed && desk.get() != m_desk && !desk->isBusy())
            idle.append(desk.get());
    }
    for (CardDesk* desk : idle)
        closeDesk(desk);
}

void AppModel::setSelectedCardID(std::optional<QString> id) {
    if (id == m_selectedCardID)
        return;
    m_selectedCardID = std::move(id);
    Q_EMIT selectionChanged();
}

void AppModel::updateBlocker() {
    for (const auto& desk : m_desks)
        updateDeskBlocker(*desk);
    std::optional<OffloadBlocker> blocker =
        OffloadBlocker::find(nullptr, false, *m_settings, QString());
    if (blocker == m_noCardBlocker)
        return;
    m_noCardBlocker = std::move(blocker);
    if (!m_desk)
        Q_EMIT blockerChanged();
}

void AppModel::updateDeskBlocker(CardDesk& desk) {
    OffloadSession* session = desk.session();
    desk.setBlocker(OffloadBlocker::find(session, desk.isScanning(), *m_settings,
                                         session ? cameraTokenValue(*session) : QString()));
    if (desk.blocker() &&
        desk.blocker()->reason == OffloadBlocker::Reason::destinationNotAnswering) {
        if (!m_askDestinationAgain) {
            m_askDestinationAgain = new QTimer(this);
            m_askDestinationAgain->setSingleShot(true);
            m_askDestinationAgain->setInterval(1000);
            connect(m_askDestinationAgain, &QTimer::timeout, this, &AppModel::updateBlocker);
        }
        m_askDestinationAgain->start();
    }
}

// MARK: The road of a card

void AppModel::cardInserted(const CardVolume& card, bool isNewMount) {
    if (m_pendingFormattedMount == card.url) {
        m_pendingFormattedMount.reset();
        select(card, true);
        return;
    }
    if (m_automatic->isUnattended()) {
        // Nobody looks at a station's cards: only those a rule takes are read.
        if (m_automatic->ruleFor(card))
            prepare(card);
        m_automatic->cardInserted(card);
        return;
    }
    if (!isNewMount) {
        Log::info(
            Log::Category::importPrompt,
            QStringLiteral("Card already there at launch: %1 (selected, no prompt)").arg(card.url));
        if (!isBusy() && !isFormatting())
            select(card, false);
        else
            prepare(card);
        return;
    }
    const bool inFront = m_frontEnd->isInFront();
    Log::info(Log::Category::importPrompt,
              QStringLiteral("Card inserted: %1, new mount %2, Stowly frontmost %3, app active %4, "
                             "window open %5, askToImport %6, style %7, menu bar mode %8, "
                             "paused %9, busy %10")
                  .arg(card.url, flag(isNewMount), flag(inFront), flag(m_frontEnd->isActive()),
                       flag(m_frontEnd->hasMainWindow()),
                       flag(m_settings->value(setting::askToImportOnMount)),
                       importPromptStyle::rawValue(m_settings->value(setting::importPromptStyle)),
                       flag(m_settings->value(setting::keepRunningInMenuBar)),
                       flag(m_importPrompter->isPaused()))
                  .arg(flag(isBusy())));
    // A card that comes while another is copied gets its desk and scan, without taking the
    // window from the card being copied.
    if (!isBusy() && !isFormatting())
        select(card, false);
    else
        prepare(card);
    if (m_automatic->cardInserted(card)) {
        Log::info(Log::Category::importPrompt, QStringLiteral("No prompt: a rule takes the card"));
        return;
    }
    if (inFront) {
        Log::info(Log::Category::importPrompt,
                  QStringLiteral("No prompt: Stowly is in front, the card is selected"));
        return;
    }
    if (m_importPrompter->isPaused()) {
        Log::info(Log::Category::importPrompt, QStringLiteral("No prompt: detection is paused"));
        return;
    }
    if (m_settings->value(setting::askToImportOnMount)) {
        m_importPrompter->cardMounted(card, false);
        return;
    }
    if (m_frontEnd->hasMainWindow() && !isBusy() && !isFormatting())
        m_frontEnd->showMainWindow();
}

void AppModel::cardRemoved(const CardVolume& card) {
    if (card.url == m_formattingCardPath || card.url == m_pendingFormattedMount)
        return;
    m_importPrompter->cardRemoved(card);
    m_automatic->cardRemoved(card);
    CardDesk* desk = this->desk(card.id());
    if (!desk)
        return;
    OffloadSession* session = desk->session();
    if (session && session->isWaiting())
        m_queue->cancel(session);
    // A run that read from it fails the files it could not read; its end stays to be seen.
    if (session && session->phase() != OffloadSession::Phase::ready) {
        session->setCardRemoved(true);
        if (desk != m_desk && !desk->isBusy())
            closeDesk(desk);
        return;
    }
    if (desk == m_desk) {
        closeDesk(desk);
        clearSelection();
        return;
    }
    closeDesk(desk);
}

void AppModel::clearSelection() {
    showDesk(nullptr);
    setSelectedCardID(std::nullopt);
    if (!m_watcher->cards().isEmpty())
        select(m_watcher->cards().first(), false);
}

void AppModel::select(const CardVolume& card, bool keepFormatState) {
    if (isFormatting())
        return;
    CardDesk* existing = desk(card.id());
    const bool other = existing && existing != m_desk;
    CardDesk& desk = openDesk(card);
    setSelectedCardID(card.id());
    showDesk(&desk);
    if (!keepFormatState) {
        setFormatState({});
        m_pendingFormattedMount.reset();
    }
    // Another card's desk keeps its choices, and a card being copied keeps its run: selecting
    // either only shows it. Selecting the shown card again reads it again.
    if (desk.isBusy() || (other && (desk.session() || desk.isScanning())))
        return;
    scan(desk);
}

void AppModel::prepare(const CardVolume& card) {
    CardDesk& desk = openDesk(card);
    if (!desk.isBusy() && !desk.session() && !desk.isScanning())
        scan(desk);
}

void AppModel::scan(CardDesk& desk) {
    desk.setSession(nullptr);
    desk.setInventory(std::nullopt);
    desk.setScanning(true);
    const quint64 generation = desk.beginScan();
    // Split against a history not read yet, every file would look new; scanned once it is.
    if (!m_history->isLoaded())
        return;
    const CardVolume card = desk.card();
    CardScan::Input input{card,
                          m_history->entriesByKey(),
                          m_durationCache,
                          m_durationReader,
                          m_settings->value(setting::fileRules),
                          m_settings->value(setting::backupDestinations),
                          m_shared->otherStations()};
    background::run(
        this, [input = std::move(input)] { return CardScan::run(input); },
        [this, weak = QPointer<CardDesk>(&desk), card, generation](CardScan::Result result) {
            for (auto it = result.fresh.cbegin(); it != result.fresh.cend(); ++it)
                m_durationCache.insert(it.key(), it.value());
            if (!weak || !weak->isLatestScan(generation))
                return;
            weak->setScanning(false);
            weak->setInventory(result.inventory);
            install(*weak,
                    std::make_unique<OffloadSession>(card, result.inventory, result.durations));
            m_factsReader->read(*weak);
        });
}

void AppModel::install(CardDesk& desk, std::unique_ptr<OffloadSession> session) {
    OffloadSession* s = session.get();
    connect(s, &OffloadSession::finished, this,
            [this, s](const OffloadSummary& summary) { sessionFinished(s, summary); });
    s->setIncludedCategories(m_settings->includedCategories());
    s->setShortRule({m_settings->value(setting::skipShortClips),
                     double(m_settings->value(setting::shortClipSeconds))});
    s->setDateFilter(m_settings->value(setting::dateFilter));
    s->setFileRules(m_settings->value(setting::fileRules));
    if (s->projectInput().isEmpty())
        s->setProjectInput(m_settings->value(setting::lastProject));
    if (const auto suggested = m_cameras->suggestedCamera(s->card().volumeIdentity()))
        s->setCameraID(suggested->id);
    desk.setSession(std::move(session));
}

void AppModel::fileRulesChanged() {
    const FileRules rules = m_settings->value(setting::fileRules);
    const bool ignoreChanged = rules.ignorePatterns != m_lastFileRules.ignorePatterns;
    m_lastFileRules = rules;
    QList<CardDesk*> rescans;
    for (const auto& desk : m_desks) {
        OffloadSession* session = desk->session();
        if (!session)
            continue;
        session->setFileRules(rules);
        // Ignore patterns act during the walk, so only a new scan applies them.
        if (ignoreChanged && session->isOpen() && !desk->isScanning())
            rescans.append(desk.get());
    }
    for (CardDesk* desk : rescans)
        scan(*desk);
}

void AppModel::showForImport(const CardVolume& card) {
    if (!isFormatting()) {
        const bool alreadyShown =
            m_selectedCardID == card.id() && m_desk && (m_desk->session() || m_desk->isScanning());
        if (!alreadyShown)
            select(card, false);
    }
    m_frontEnd->showMainWindow();
}

} // namespace stowly

namespace stowly {

bool AppModel::isSelectedCardBusy() const {
    return m_desk && m_desk->isBusy();
}

} // namespace stowly
