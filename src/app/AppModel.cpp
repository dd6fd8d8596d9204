#include "app/AppModel.h"

#include "app/AppSettings.h"
#include "app/CameraStore.h"
#include "app/CardAtPath.h"
#include "app/CardDesk.h"
#include "app/CardDevices.h"
#include "app/CardScan.h"
#include "app/DestinationChoice.h"
#include "app/DestinationStore.h"
#include "app/ImportPrompter.h"
#include "app/NamePreview.h"
#include "app/OffloadBlocker.h"
#include "app/OffloadFormatting.h"
#include "app/PresetStore.h"
#include "app/ReoffloadAlert.h"
#include "app/lists/CamerasModel.h"
#include "app/lists/CardListModel.h"
#include "app/lists/FavoritesModel.h"
#include "app/lists/HistoryModel.h"
#include "app/lists/PresetsModel.h"
#include "app/lists/SessionFilesModel.h"
#include "base/Background.h"
#include "base/Log.h"
#include "devices/CardFormatter.h"
#include "devices/DiskTool.h"
#include "devices/MountEvents.h"
#include "devices/ProcessRunner.h"
#include "devices/VolumeFacts.h"
#include "devices/VolumeWatcher.h"
#include "history/Ledger.h"
#include "media/FFmpegDurationReader.h"
#include "naming/OffloadPlanner.h"
#include "naming/Renamer.h"
#include "session/OffloadQueue.h"
#include "session/OffloadSession.h"

#include <QFileInfo>
#include <QPointer>

#include <algorithm>

namespace stowly {
namespace {

constexpr int nameLength = OffloadBlocker::nameLength;

QString flag(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

AppModel::AppModel(Stores stores, Platform platform, bool startWatching, QObject* parent)
    : QObject(parent) {
    platform.fillDefaults();
    stores.fillDefaults(*platform.volumes);
    m_volumes = platform.volumes;
    m_settings = std::move(stores.settings);
    m_ledger = std::move(stores.ledger);
    m_destinations = std::move(stores.destinations);
    m_cameras = std::move(stores.cameras);
    m_presets = std::move(stores.presets);
    m_mountEvents = std::move(platform.mountEvents);
    m_runner = platform.runner;
    m_watcher = std::make_unique<VolumeWatcher>(*m_volumes, *m_mountEvents);
    m_importPrompter = std::make_unique<ImportPrompter>(platform.usesNotifications, *m_settings,
                                                        *m_destinations, *m_volumes);
    m_loginItem = std::make_unique<LoginItem>(startWatching);
    m_menuBarIconInserted = menuBarIconInserted();
    const auto followMenuBarIcon = [this] {
        if (menuBarIconInserted() == m_menuBarIconInserted)
            return;
        m_menuBarIconInserted = !m_menuBarIconInserted;
        Q_EMIT menuBarIconInsertedChanged();
    };
    m_settings->onChange({setting::keepRunningInMenuBar, setting::showMenuBarIcon}, this,
                         followMenuBarIcon);
    m_devices = std::make_unique<CardDevices>(
        platform.diskTool
            ? std::make_shared<CardFormatter>(std::move(platform.diskTool))
            : std::make_shared<CardFormatter>(m_runner, platform.allowsAuthorizationPrompts));
    m_durationReader = platform.durationReader;
    m_sleepInhibitor = platform.sleepInhibitor;
    m_queue = std::make_unique<OffloadQueue>(m_ledger.get());
    m_queue->setShareDrives(m_settings->value(setting::shareDestinationDrives));
    m_settings->onChange(setting::shareDestinationDrives, this, [this] {
        m_queue->setShareDrives(m_settings->value(setting::shareDestinationDrives));
    });
    for (auto signal :
         {&AppModel::sessionChanged, &AppModel::sessionUpdated, &AppModel::formatStateChanged})
        connect(this, signal, this, &AppModel::keepAwake);
    connect(m_queue.get(), &OffloadQueue::changed, this, &AppModel::keepAwake);
    connect(m_queue.get(), &OffloadQueue::changed, this, &AppModel::queueChanged);
    m_presetOperations = std::make_unique<PresetOperations>(
        *m_settings, *m_destinations, *m_presets, *m_cameras,
        PresetOperations::Hooks{[this] { return presetSession(); },
                                [this](const QUuid& id) { selectCamera(id); },
                                [this] { destinationChanged(); }});

    DestinationChoice::chooseAtLaunch(*m_settings, *m_destinations);

    using Scope = SessionFilesModel::ListScope;
    m_cardList = std::make_unique<CardListModel>(*m_watcher);
    m_cardList->setDetail([this](const CardVolume& card) { return cardDetail(card); });
    for (auto signal :
         {&AppModel::selectionChanged, &AppModel::inventoryChanged, &AppModel::sessionChanged,
          &AppModel::sessionUpdated, &AppModel::offloadProgressed})
        connect(this, signal, m_cardList.get(), &CardListModel::detailsChanged);
    m_filesToCopy = std::make_unique<SessionFilesModel>(Scope::toCopy);
    m_filesOffloaded = std::make_unique<SessionFilesModel>(Scope::offloaded);
    m_shortClipsSkipped = std::make_unique<SessionFilesModel>(Scope::skippedShort);
    m_favoriteList = std::make_unique<FavoritesModel>(*m_destinations);
    m_presetList = std::make_unique<PresetsModel>(*m_presets);
    m_cameraList = std::make_unique<CamerasModel>(*m_cameras);
    m_historyList = std::make_unique<HistoryModel>(*m_ledger);
    m_namePreview = std::make_unique<NamePreview>(*this);
    connect(this, &AppModel::sessionChanged, this, [this] {
        for (SessionFilesModel* files :
             {m_filesToCopy.get(), m_filesOffloaded.get(), m_shortClipsSkipped.get()})
            files->setSession(session());
    });

    connect(m_cameras.get(), &CameraStore::changed, this, &AppModel::updateBlocker);
    connect(m_settings.get(), &AppSettings::changed, this, &AppModel::updateBlocker);
    m_lastFileRules = m_settings->value(setting::fileRules);
    m_settings->onChange(setting::fileRules, this, &AppModel::fileRulesChanged);
    m_settings->onChange(setting::excludedCategories, this, [this] {
        for (OffloadSession* session : sessions())
            session->setIncludedCategories(m_settings->includedCategories());
    });
    m_settings->onChange({setting::skipShortClips, setting::shortClipSeconds}, this, [this] {
        for (OffloadSession* session : sessions())
            session->setShortRule({m_settings->value(setting::skipShortClips),
                                   double(m_settings->value(setting::shortClipSeconds))});
    });
    m_settings->onChange(setting::dateFilter, this, [this] {
        for (OffloadSession* session : sessions())
            session->setDateFilter(m_settings->value(setting::dateFilter));
    });
    m_settings->onChange(setting::appearance, this, [this] {
        m_frontEnd->setAppearance(m_settings->value(setting::appearance));
    });
    m_settings->onChange(setting::destinationPath, this, [this] { m_watcher->refresh(); });
    // Whether a file is offloaded depends on the backups it must have copies at.
    m_settings->onChange(setting::backupDestinations, this, [this] {
        for (OffloadSession* session : sessions())
            refreshInventory(session);
        updateBlocker();
    });
    connect(m_watcher.get(), &VolumeWatcher::cardsChanged, this, &AppModel::cardsChanged);
    if (platform.followsMountedCards)
        connect(m_watcher.get(), &VolumeWatcher::cardsChanged, this, &AppModel::closeIdleDesks);
    connect(m_watcher.get(), &VolumeWatcher::mountsChanged, m_destinations.get(),
            &DestinationStore::mountsChanged);
    // A destination drive that comes or goes changes whether the offload can start.
    connect(m_watcher.get(), &VolumeWatcher::mountsChanged, this, &AppModel::updateBlocker);

    m_watcher->destinationPathProvider = [this] {
        return m_settings->value(setting::destinationPath);
    };
    if (platform.followsMountedCards) {
        connect(m_watcher.get(), &VolumeWatcher::cardInserted, this, &AppModel::cardInserted);
        connect(m_watcher.get(), &VolumeWatcher::cardRemoved, this, &AppModel::cardRemoved);
        connect(m_mountEvents.get(), &MountEvents::cardFileSystemAppeared, this,
                &AppModel::cardFileSystemAppeared);
    }
    m_importPrompter->setHost(this, this);
    updateBlocker();

    if (!m_ledger->isLoaded()) {
        connect(m_ledger.get(), &Ledger::loaded, this, &AppModel::historyLoaded);
        m_ledger->loadInBackground();
    }
    if (startWatching) {
        m_watcher->start();
        m_destinations->startWatchingDrives();
    }
}

bool AppModel::menuBarIconInserted() const {
    return m_settings->value(setting::keepRunningInMenuBar) &&
           m_settings->value(setting::showMenuBarIcon);
}

AppModel::~AppModel() {
    // The runs hand their reports to the main thread; end them before the stores go, and the
    // queue first, so that no waiting offload starts as they end.
    m_queue.reset();
    m_desk = nullptr;
    m_desks.clear();
    m_watcher->disconnect(this);
}

const QList<CardVolume>& AppModel::cards() const {
    return m_watcher->cards();
}

void AppModel::setFrontEnd(AppFrontEnd* frontEnd) {
    m_frontEnd = frontEnd ? frontEnd : &m_noFrontEnd;
    m_frontEnd->setAppearance(m_settings->value(setting::appearance));
}

std::optional<CardVolume> AppModel::selectedCard() const {
    if (!m_selectedCardID)
        return std::nullopt;
    for (const CardVolume& card : m_watcher->cards())
        if (card.id() == *m_selectedCardID)
            return card;
    return std::nullopt;
}

bool AppModel::isBusy() const {
    return !m_queue->isEmpty();
}

bool AppModel::isFormatting() const {
    return m_formatState.kind == FormatState::Kind::formatting;
}

void AppModel::setFormatState(FormatState state) {
    if (state == m_formatState)
        return;
    m_formatState = std::move(state);
    Q_EMIT formatStateChanged();
}

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
    connect(desk, &CardDesk::progressed, this, shown(&AppModel::offloadProgressed));
    connect(desk, &CardDesk::sessionUpdated, this, shown(&AppModel::sessionUpdated));
    connect(desk, &CardDesk::sessionUpdated, this, [this, desk] {
        // A run changes the session with every copy; the blocker matters again once it ends
        // and is worked out anew before any start.
        if (!desk->isBusy())
            updateDeskBlocker(*desk);
        keepAwake();
    });
    for (auto signal : {&CardDesk::sessionChanged, &CardDesk::inventoryChanged,
                        &CardDesk::sessionUpdated, &CardDesk::progressed})
        connect(desk, signal, m_cardList.get(), &CardListModel::detailsChanged);
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
}

// MARK: The road of a card

void AppModel::cardInserted(const CardVolume& card, bool isNewMount) {
    if (m_pendingFormattedMount == card.url) {
        m_pendingFormattedMount.reset();
        select(card, true);
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
    if (!m_ledger->isLoaded())
        return;
    const CardVolume card = desk.card();
    CardScan::Input input{card,
                          m_ledger->entriesByKey(),
                          m_durationCache,
                          m_durationReader,
                          m_settings->value(setting::fileRules),
                          m_settings->value(setting::backupDestinations)};
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

// MARK: Starting and finishing

NamingContext AppModel::namingContext(const OffloadSession& session) const {
    QString card = Renamer::sanitizeName(session.card().name, nameLength);
    if (card.isEmpty())
        card = QStringLiteral("Card");
    const QString project = m_settings->value(setting::quickDump)
                                ? QString()
                                : Renamer::sanitizeName(session.projectInput(), nameLength);
    return NamingContext{project, cameraTokenValue(session), card};
}

QString AppModel::cameraTokenValue(const OffloadSession& session) const {
    const auto camera = m_cameras->camera(session.cameraID());
    if (!camera)
        return {};
    const QString code = Renamer::sanitizeName(camera->code, nameLength);
    return code.isEmpty() ? Renamer::sanitizeName(camera->name, nameLength) : code;
}

QList<PlannedFile> AppModel::plan() const {
    return m_desk ? plan(*m_desk) : QList<PlannedFile>{};
}

QList<PlannedFile> AppModel::plan(const CardDesk& desk) const {
    const std::optional<QString> destination = m_settings->value(setting::destinationPath);
    const std::optional<NamingTemplates> naming = m_settings->effectiveNaming();
    const OffloadSession* session = desk.session();
    if (!session || !destination || !naming || desk.blocker())
        return {};
    return OffloadPlanner::plan(
        session->newClips(), *naming, namingContext(*session),
        m_settings->value(setting::fileRules),
        OffloadPlanner::diskLister(QStringList{*destination} +
                                   m_settings->value(setting::backupDestinations)));
}

void AppModel::startOffload() {
    if (m_desk)
        startDeskOffload(*m_desk);
}

void AppModel::startDeskOffload(CardDesk& desk) {
    if (isLoadingHistory())
        return;
    // The blocker is worked out again: free space and the destination may have changed since.
    updateDeskBlocker(desk);
    OffloadSession* session = desk.session();
    if (!session || !session->isOpen() || desk.blocker())
        return;
    // The preview already worked the names out behind the window, with the same choices; a
    // card of tens of thousands of files takes a noticeable moment to plan again.
    const QList<PlannedFile> files =
        &desk == m_desk && m_namePreview->isCurrent() && m_namePreview->plan().complete
            ? m_namePreview->plan().files
            : plan(desk);
    if (!m_settings->value(setting::quickDump))
        m_settings->rememberProject(session->projectInput());
    m_cameras->remember(session->cameraID(), session->card().volumeIdentity());
    m_queue->add(session, files,
                 OffloadDestinations{*m_settings->value(setting::destinationPath),
                                     m_settings->value(setting::backupDestinations),
                                     m_settings->value(setting::verifySource),
                                     m_settings->value(setting::writeAscMhl)});
}

void AppModel::sessionFinished(OffloadSession* session, const OffloadSummary& summary) {
    refreshInventory(session);
    // What a card that could not be read all through held is not all copied, whatever was; what
    // the history could not keep is not offloaded.
    const bool successful = !summary.cancelled && summary.failed == 0 && summary.copied >= 1 &&
                            !summary.historyNotSaved && !session->inventory().unreadable;
    m_importPrompter->offloadEnded();
    if (m_settings->value(setting::playSuccessSound) && successful)
        m_frontEnd->playSuccessSound();
    // Only a mounted card is ejected: a plain folder offloaded as a card is never unmounted.
    const bool listed =
        std::any_of(m_watcher->cards().cbegin(), m_watcher->cards().cend(),
                    [&](const CardVolume& c) { return c.id() == session->card().id(); });
    if (m_settings->value(setting::ejectAfterOffload) && successful && !session->cardRemoved() &&
        listed)
        ejectCard(session->card());
    Q_EMIT offloadFinished(summary);
    // A card pulled during its run, and not shown, has nothing left to show.
    CardDesk* desk = deskOf(session);
    if (desk && session->cardRemoved() && desk != m_desk)
        closeDesk(desk);
}

void AppModel::refreshInventory(OffloadSession* session) {
    if (!session)
        return;
    QPointer<OffloadSession> weak(session);
    const CardInventory old = session->inventory();
    const QString identity = session->card().volumeIdentity();
    background::run(
        this,
        [old, identity, history = m_ledger->entriesByKey(),
         backups = m_settings->value(setting::backupDestinations)] {
            return CardScan::reclassify(old, identity, history, backups);
        },
        [this, weak](CardInventory inventory) {
            if (CardDesk* desk = weak ? deskOf(weak.data()) : nullptr)
                desk->setInventory(std::move(inventory));
        });
}

void AppModel::finishSession() {
    OffloadSession* session = this->session();
    if (!session || session->phase() != OffloadSession::Phase::finished)
        return;
    if (session->cardRemoved()) {
        closeDesk(m_desk);
        clearSelection();
        return;
    }
    scan(*m_desk);
}

// MARK: Choices on the card

void AppModel::setReoffloadMode(ReoffloadMode mode, bool agreed) {
    OffloadSession* session = this->session();
    if (!session || !session->isOpen())
        return;
    if (mode != ReoffloadMode::everything || agreed) {
        session->setReoffloadMode(mode);
        return;
    }
    qsizetype count = 0;
    for (const Clip& clip : session->inventory().allClips())
        if (session->includedCategories().contains(
                mediaCategory::classify(mediaCategory::extensionOf(clip.relativePath))))
            ++count;
    QPointer<OffloadSession> weak(session);
    m_frontEnd->confirm(ReoffloadAlert::everythingText(session->card().name, count),
                        [weak](bool confirmed) {
                            if (confirmed && weak && weak->isOpen())
                                weak->setReoffloadMode(ReoffloadMode::everything);
                        });
}

void AppModel::setProject(const QString& name) {
    if (OffloadSession* session = this->session(); session && session->isOpen())
        session->setProjectInput(name);
}

void AppModel::selectCamera(const std::optional<QUuid>& cameraID) {
    OffloadSession* session = this->session();
    if (!session || !session->isOpen())
        return;
    session->setCameraID(cameraID);
    m_cameras->remember(cameraID, session->card().volumeIdentity());
}

// MARK: Stages

void AppModel::keepAwake() {
    if (!m_sleepInhibitor)
        return;
    const QList<OffloadSession*> running = m_queue->running();
    if (running.isEmpty())
        m_copyingHold.reset();
    else if (!m_copyingHold)
        m_copyingHold =
            m_sleepInhibitor->hold(tr("Copying “%1”").arg(running.first()->card().name));
    if (!isFormatting())
        m_erasingHold.reset();
    else if (!m_erasingHold)
        m_erasingHold = m_sleepInhibitor->hold(tr("Erasing “%1”").arg(m_formatState.text));
}

QString AppModel::cardDetail(const CardVolume& card) const {
    const CardDesk* desk = this->desk(card.id());
    if (!desk || !desk->inventory())
        return {};
    const CardInventory& inventory = *desk->inventory();
    std::optional<qsizetype> copied;
    if (const OffloadSession* session = desk->session();
        session && session->phase() != OffloadSession::Phase::ready)
        copied = session->verifiedIDs().size();
    return OffloadFormatting::cardDetail(inventory.newFiles.size(), copied,
                                         inventory.ignored.size());
}

StageState AppModel::stage(int number) const {
    const OffloadSession* session = this->session();
    return stageState::derive(number, selectedCard().has_value(), session, *m_settings,
                              session ? cameraTokenValue(*session) : QString());
}

std::optional<PresetSession> AppModel::presetSession() const {
    const OffloadSession* session = this->session();
    if (!session)
        return std::nullopt;
    PresetSession s;
    s.phase = session->isOpen()                                     ? PresetSession::Phase::ready
              : session->phase() == OffloadSession::Phase::finished ? PresetSession::Phase::finished
                                                                    : PresetSession::Phase::running;
    s.cameraID = session->cameraID();
    return s;
}

// MARK: Destinations and presets

void AppModel::useFavorite(const FavoriteDestination& favorite) {
    DestinationChoice::useFavorite(*m_settings, *m_destinations, favorite);
    destinationChanged();
}

void AppModel::useFolder(const QString& path) {
    DestinationChoice::useFolder(*m_settings, *m_destinations, path);
    destinationChanged();
}

void AppModel::addCurrentDestinationToFavorites() {
    if (const auto path = m_settings->value(setting::destinationPath))
        m_destinations->markUsed(m_destinations->add(*path).id);
}

void AppModel::changeFavoriteFolder(const QUuid& id, const QString& path) {
    const std::optional<FavoriteDestination> before = m_destinations->favorite(id);
    if (!before)
        return;
    const std::optional<QString> current = m_settings->value(setting::destinationPath);
    const bool inUse = current && DestinationStore::normalized(*current) == before->path;
    m_destinations->setPath(id, path);
    if (inUse)
        useFavorite(*m_destinations->favorite(id));
}

} // namespace stowly
