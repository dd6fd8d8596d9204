#include "app/model/AppModel.h"
#include "app/model/AfterOffloadProgram.h"
#include "app/model/AutomaticOffload.h"
#include "app/model/QueueBoard.h"
#include "session/CascadeQueue.h"

#include "app/lists/CamerasModel.h"
#include "app/lists/CardListModel.h"
#include "app/lists/FavoritesModel.h"
#include "app/lists/HistoryModel.h"
#include "app/lists/PresetsModel.h"
#include "app/lists/SessionFilesModel.h"
#include "app/model/CardAtPath.h"
#include "app/model/CardDesk.h"
#include "app/model/CardDevices.h"
#include "app/model/CardFactsReader.h"
#include "app/model/CardScan.h"
#include "app/model/DestinationChoice.h"
#include "app/model/DestinationNames.h"
#include "app/model/NamePreview.h"
#include "app/model/OffloadBlocker.h"
#include "app/model/OffloadFormatting.h"
#include "app/model/SharedHistory.h"
#include "app/prompts/ImportPrompter.h"
#include "app/settings/AppSettings.h"
#include "app/stores/CameraStore.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/PresetStore.h"
#include "app/wording/ReoffloadAlert.h"
#include "base/Background.h"
#include "base/Log.h"
#include "devices/CardFormatter.h"
#include "devices/DiskTool.h"
#include "devices/MountEvents.h"
#include "devices/ProcessRunner.h"
#include "devices/VolumeFacts.h"
#include "devices/VolumeWatcher.h"
#include "history/History.h"
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

} // namespace

AppModel::AppModel(Stores stores, Platform platform, bool startWatching, QObject* parent)
    : QObject(parent) {
    platform.fillDefaults();
    stores.fillDefaults(*platform.volumes);
    m_volumes = platform.volumes;
    m_settings = std::move(stores.settings);
    m_history = std::move(stores.ledger);
    m_shared = std::make_unique<SharedHistory>(*m_settings, *m_history);
    connect(m_shared.get(), &SharedHistory::changed, this, &AppModel::sharedHistoryChanged);
    // What counts for erasing changes with it: the cards are split again.
    m_settings->onChange(setting::trustOtherStations, this, [this] {
        for (OffloadSession* session : sessions())
            if (!session->isRunning() && !session->isWaiting())
                refreshInventory(session);
    });
    // Beside the history, so a model made on other files keeps its runs with them.
    m_runLog = std::make_shared<RunLog>(QFileInfo(m_history->filePath()).absolutePath() +
                                        QStringLiteral("/runs"));
    m_destinations = std::move(stores.destinations);
    m_cameras = std::move(stores.cameras);
    m_presets = std::move(stores.presets);
    m_rules = std::move(stores.rules);
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
    m_factsReader = std::make_unique<CardFactsReader>(platform.factsReader);
    m_sleepInhibitor = platform.sleepInhibitor;
    m_takesUpCascades = platform.takesUpCascades;
    // Beside the history, whose copies it completes.
    m_cascade = std::make_unique<CascadeQueue>(m_history.get(),
                                               QFileInfo(m_history->filePath()).absolutePath() +
                                                   QStringLiteral("/cascades.jsonl"));
    m_queue = std::make_unique<OffloadQueue>(m_history.get());
    m_queue->setCascadeQueue(m_cascade.get());
    connect(m_cascade.get(), &CascadeQueue::changed, this, &AppModel::cascadeChanged);
    connect(m_cascade.get(), &CascadeQueue::changed, this, &AppModel::keepAwake);
    // The card whose backups are all made may now be ready to erase.
    connect(m_cascade.get(), &CascadeQueue::cardFinished, this, [this](const QString& identity) {
        for (OffloadSession* session : sessions())
            if (session->card().volumeIdentity() == identity && !session->isRunning() &&
                !session->isWaiting())
                refreshInventory(session);
    });
    m_queue->setShareDrives(m_settings->value(setting::shareDestinationDrives));
    m_settings->onChange(setting::shareDestinationDrives, this, [this] {
        m_queue->setShareDrives(m_settings->value(setting::shareDestinationDrives));
    });
    for (auto signal :
         {&AppModel::sessionChanged, &AppModel::sessionUpdated, &AppModel::formatStateChanged})
        connect(this, signal, this, &AppModel::keepAwake);
    connect(m_queue.get(), &OffloadQueue::changed, this, &AppModel::keepAwake);
    connect(m_queue.get(), &OffloadQueue::changed, this, &AppModel::queueChanged);
    m_queueBoard = std::make_unique<QueueBoard>(
        *m_queue, [this](const QString& cardID) { return desk(cardID); }, *m_volumes);
    m_presetOperations = std::make_unique<PresetOperations>(
        *m_settings, *m_destinations, *m_presets, *m_cameras,
        PresetOperations::Hooks{[this] { return presetSession(); },
                                [this](const QUuid& id) { selectCamera(id); },
                                [this] { destinationChanged(); }});

    m_automatic = std::make_unique<AutomaticOffload>(
        *m_rules, *m_presets, *m_cameras, *m_settings, *m_presetOperations,
        AutomaticOffload::Hooks{[this](const QString& cardID) { return desk(cardID); },
                                [this](CardDesk& desk) { startDeskOffload(desk); },
                                [this](const CardVolume& card) { showForImport(card); }});

    DestinationChoice::chooseAtLaunch(*m_settings, *m_destinations);

    using Scope = SessionFilesModel::ListScope;
    m_cardList = std::make_unique<CardListModel>(*m_watcher);
    m_cardList->setDetail([this](const CardVolume& card) { return cardDetail(card); });
    for (auto signal :
         {&AppModel::selectionChanged, &AppModel::inventoryChanged, &AppModel::sessionChanged,
          &AppModel::sessionUpdated, &AppModel::offloadProgressed, &AppModel::cascadeChanged})
        connect(this, signal, m_cardList.get(), &CardListModel::detailsChanged);
    m_filesToCopy = std::make_unique<SessionFilesModel>(Scope::toCopy);
    m_filesOffloaded = std::make_unique<SessionFilesModel>(Scope::offloaded);
    m_shortClipsSkipped = std::make_unique<SessionFilesModel>(Scope::skippedShort);
    m_favoriteList = std::make_unique<FavoritesModel>(*m_destinations);
    m_presetList = std::make_unique<PresetsModel>(*m_presets);
    m_cameraList = std::make_unique<CamerasModel>(*m_cameras);
    m_historyList = std::make_unique<HistoryModel>(*m_history);
    m_namePreview = std::make_unique<NamePreview>(*this);
    connect(this, &AppModel::sessionChanged, this, [this] {
        for (SessionFilesModel* files :
             {m_filesToCopy.get(), m_filesOffloaded.get(), m_shortClipsSkipped.get()})
            files->setSession(session());
    });
    connect(this, &AppModel::cardFactsChanged, this, [this] {
        for (SessionFilesModel* files :
             {m_filesToCopy.get(), m_filesOffloaded.get(), m_shortClipsSkipped.get()})
            files->setFacts(cardFacts());
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

    if (!m_history->isLoaded()) {
        connect(m_history.get(), &History::loaded, this, &AppModel::historyLoaded);
        m_history->loadInBackground();
    } else if (m_takesUpCascades) {
        m_cascade->resume();
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
    m_queueBoard.reset();
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

QString AppModel::selectedCameraToken() const {
    const OffloadSession* session = this->session();
    return session ? cameraTokenValue(*session) : QString();
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
    const QStringList roots =
        QStringList{*destination} + m_settings->value(setting::backupDestinations);
    // The platform's facts, as the preview's, so both plans give one file the same name.
    return OffloadPlanner::plan(session->newClips(), *naming, namingContext(*session),
                                m_settings->value(setting::fileRules),
                                OffloadPlanner::diskLister(roots),
                                DestinationNames::rules(roots, VolumeFacts::platform()));
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
                                     m_settings->value(setting::writeAscMhl),
                                     m_settings->value(setting::cascadeDestinations),
                                     m_settings->value(setting::ascMhlHashes)});
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
    const bool ruleEjects = m_automatic->offloadEnded(session->card());
    if ((m_settings->value(setting::ejectAfterOffload) || ruleEjects) && successful &&
        !session->cardRemoved() && listed)
        ejectCard(session->card());
    recordRun(session, summary);
    Q_EMIT offloadFinished(summary);
    Q_EMIT offloadEnded(session->card(), summary);
    runAfterwards(session);
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
        [old, identity, history = m_history->entriesByKey(),
         backups = m_settings->value(setting::backupDestinations),
         others = m_shared->otherStations()] {
            return CardScan::reclassify(old, identity, history, backups, others);
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

void AppModel::runAfterwards(OffloadSession* session) {
    const QString command = m_settings->value(setting::afterOffloadProgram).trimmed();
    if (command.isEmpty() || !session->summary())
        return;
    ++m_afterwardsRunning;
    auto* program = new AfterOffloadProgram(
        command,
        AfterOffloadProgram::input(session->card(), *session->summary(), session->startedAt(),
                                   QDateTime::currentDateTime()),
        m_afterwardsLimit, this);
    connect(program, &AfterOffloadProgram::ended, this,
            [this, program, card = session->card(),
             weak = QPointer<OffloadSession>(session)](const std::optional<QString>& failure) {
                --m_afterwardsRunning;
                if (failure && weak)
                    weak->setAfterwardsFailed(*failure);
                program->deleteLater();
                Q_EMIT afterwardsEnded(card, failure);
            });
}

void AppModel::keepAwake() {
    if (!m_sleepInhibitor)
        return;
    const QList<OffloadSession*> running = m_queue->running();
    // Backups made from first copies hold it too: a station left alone must finish them.
    if (running.isEmpty() && m_cascade->isIdle())
        m_copyingHold.reset();
    else if (!m_copyingHold)
        m_copyingHold = m_sleepInhibitor->hold(
            running.isEmpty() ? tr("Making backups")
                              : tr("Copying “%1”").arg(running.first()->card().name));
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
    const OffloadSession* session = desk->session();
    // Each card's row tells where its offload is, so a glance at the list is enough.
    if (session && session->isWaiting())
        return QueueLines::waitingDetail(m_queue->waiting().indexOf(session));
    if (session && session->isRunning())
        return QueueLines::copyingDetail(*session);
    std::optional<qsizetype> copied;
    if (session && session->phase() != OffloadSession::Phase::ready)
        copied = session->verifiedIDs().size();
    QString detail =
        OffloadFormatting::cardDetail(inventory.newFiles.size(), copied, inventory.ignored.size());
    if (const auto& summary = session ? session->summary() : std::nullopt) {
        const qsizetype cascading = m_cascade->pendingFiles(card.volumeIdentity());
        detail += cascading > 0 ? tr(" · can be taken out")
                                : OffloadFormatting::cardResult(*summary, inventory);
    }
    return detail;
}

std::optional<QString> AppModel::safeToRemoveText(const CardDesk& desk) const {
    if (!desk.isFinished())
        return std::nullopt;
    const QStringList backups = m_cascade->pendingRoots(desk.card().volumeIdentity());
    if (backups.isEmpty())
        return std::nullopt;
    return OffloadFormatting::safeToRemove(desk.card().name, backups.size());
}

StageState AppModel::stage(int number) const {
    const OffloadSession* session = this->session();
    return stageState::derive(number, selectedCard().has_value(), session, *m_settings,
                              selectedCameraToken());
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
