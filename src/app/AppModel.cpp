#include "app/AppModel.h"

#include "app/AppSettings.h"
#include "app/CameraStore.h"
#include "app/CardAtPath.h"
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
#include "session/OffloadSession.h"

#include <QFileInfo>
#include <QPointer>

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
    m_formatter =
        platform.diskTool
            ? std::make_shared<CardFormatter>(std::move(platform.diskTool))
            : std::make_shared<CardFormatter>(m_runner, platform.allowsAuthorizationPrompts);
    m_durationReader = platform.durationReader;
    m_sleepInhibitor = platform.sleepInhibitor;
    for (auto signal :
         {&AppModel::sessionChanged, &AppModel::sessionUpdated, &AppModel::formatStateChanged})
        connect(this, signal, this, &AppModel::keepAwake);
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
            files->setSession(m_session.get());
    });

    connect(m_cameras.get(), &CameraStore::changed, this, &AppModel::updateBlocker);
    connect(m_settings.get(), &AppSettings::changed, this, &AppModel::updateBlocker);
    m_lastFileRules = m_settings->value(setting::fileRules);
    m_settings->onChange(setting::fileRules, this, &AppModel::fileRulesChanged);
    m_settings->onChange(setting::excludedCategories, this, [this] {
        if (m_session)
            m_session->setIncludedCategories(m_settings->includedCategories());
    });
    m_settings->onChange({setting::skipShortClips, setting::shortClipSeconds}, this, [this] {
        if (m_session)
            m_session->setShortRule({m_settings->value(setting::skipShortClips),
                                     double(m_settings->value(setting::shortClipSeconds))});
    });
    m_settings->onChange(setting::dateFilter, this, [this] {
        if (m_session)
            m_session->setDateFilter(m_settings->value(setting::dateFilter));
    });
    m_settings->onChange(setting::appearance, this, [this] {
        m_frontEnd->setAppearance(m_settings->value(setting::appearance));
    });
    m_settings->onChange(setting::destinationPath, this, [this] { m_watcher->refresh(); });
    // Whether a file is offloaded depends on the backups it must have copies at.
    m_settings->onChange(setting::backupDestinations, this, [this] {
        refreshInventory(m_session.get());
        updateBlocker();
    });
    connect(m_watcher.get(), &VolumeWatcher::cardsChanged, this, &AppModel::cardsChanged);
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
    // The session's run hands its reports to the main thread; end it before the stores go.
    m_session.reset();
    m_watcher->disconnect(this);
}

const QList<CardVolume>& AppModel::cards() const {
    return m_watcher->cards();
}

std::variant<CardVolume, QString> AppModel::cardAt(const QString& path) const {
    return cardAtPath(path, *m_volumes);
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
    return m_session && m_session->phase() == OffloadSession::Phase::running;
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

void AppModel::setSession(std::unique_ptr<OffloadSession> session) {
    if (!session && !m_session)
        return;
    if (m_session)
        m_session->disconnect(this);
    m_session = std::move(session);
    if (m_session) {
        connect(m_session.get(), &OffloadSession::changed, this, [this] {
            Q_EMIT sessionUpdated();
            // A run changes the session with every copy; the blocker matters again once it ends
            // and is worked out anew before any start.
            if (!isBusy())
                updateBlocker();
        });
        connect(m_session.get(), &OffloadSession::progressChanged, this,
                &AppModel::offloadProgressed);
    }
    Q_EMIT sessionChanged();
    updateBlocker();
}

void AppModel::setScanning(bool scanning) {
    if (scanning == m_isScanning)
        return;
    m_isScanning = scanning;
    Q_EMIT scanningChanged();
    updateBlocker();
}

void AppModel::setInventory(std::optional<CardInventory> inventory) {
    if (inventory == m_cardInventory)
        return;
    m_cardInventory = std::move(inventory);
    Q_EMIT inventoryChanged();
}

void AppModel::setSelectedCardID(std::optional<QString> id) {
    if (id == m_selectedCardID)
        return;
    m_selectedCardID = std::move(id);
    Q_EMIT selectionChanged();
}

void AppModel::updateBlocker() {
    std::optional<OffloadBlocker> blocker =
        OffloadBlocker::find(m_session.get(), m_isScanning, *m_settings,
                             m_session ? cameraTokenValue(*m_session) : QString());
    if (blocker == m_blocker)
        return;
    m_blocker = std::move(blocker);
    Q_EMIT blockerChanged();
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
    if (!isBusy() && !isFormatting())
        select(card, false);
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
    if (m_selectedCardID != card.id())
        return;
    if (m_session && m_session->card().id() == card.id() &&
        m_session->phase() != OffloadSession::Phase::ready) {
        m_session->setCardRemoved(true);
        return;
    }
    clearSelection();
}

void AppModel::clearSelection() {
    setSession(nullptr);
    setScanning(false);
    setSelectedCardID(std::nullopt);
    setInventory(std::nullopt);
    if (!m_watcher->cards().isEmpty())
        select(m_watcher->cards().first(), false);
}

void AppModel::select(const CardVolume& card, bool keepFormatState) {
    if (isBusy() || isFormatting())
        return;
    setSelectedCardID(card.id());
    setSession(nullptr);
    setInventory(std::nullopt);
    if (!keepFormatState) {
        setFormatState({});
        m_pendingFormattedMount.reset();
    }
    setScanning(true);
    if (!m_ledger->isLoaded()) {
        // Split against a history not read yet, every file would look new.
        m_cardAwaitingHistory = card;
        return;
    }

    // A newer scan replaces this one; its result is then dropped.
    const quint64 generation = ++m_scanGeneration;
    CardScan::Input input{card,
                          m_ledger->entriesByKey(),
                          m_durationCache,
                          m_durationReader,
                          m_settings->value(setting::fileRules),
                          m_settings->value(setting::backupDestinations)};
    background::run(
        this, [input = std::move(input)] { return CardScan::run(input); },
        [this, card, generation](CardScan::Result result) {
            for (auto it = result.fresh.cbegin(); it != result.fresh.cend(); ++it)
                m_durationCache.insert(it.key(), it.value());
            if (generation != m_scanGeneration || m_selectedCardID != card.id())
                return;
            setScanning(false);
            setInventory(result.inventory);
            install(std::make_unique<OffloadSession>(card, result.inventory, result.durations));
        });
}

void AppModel::install(std::unique_ptr<OffloadSession> session) {
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
    setSession(std::move(session));
}

void AppModel::fileRulesChanged() {
    const FileRules rules = m_settings->value(setting::fileRules);
    const bool ignoreChanged = rules.ignorePatterns != m_lastFileRules.ignorePatterns;
    m_lastFileRules = rules;
    if (!m_session)
        return;
    m_session->setFileRules(rules);
    // Ignore patterns act during the walk, so only a new scan applies them.
    if (ignoreChanged && m_session->phase() == OffloadSession::Phase::ready && !m_isScanning) {
        const CardVolume card = m_session->card();
        for (const CardVolume& listed : m_watcher->cards())
            if (listed.id() == card.id()) {
                select(listed, true);
                return;
            }
    }
}

void AppModel::showForImport(const CardVolume& card) {
    if (!isBusy() && !isFormatting()) {
        const bool alreadyShown = m_selectedCardID == card.id() && (m_session || m_isScanning);
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
    const std::optional<QString> destination = m_settings->value(setting::destinationPath);
    const std::optional<NamingTemplates> naming = m_settings->effectiveNaming();
    if (!m_session || !destination || !naming || m_blocker)
        return {};
    return OffloadPlanner::plan(
        m_session->newClips(), *naming, namingContext(*m_session),
        m_settings->value(setting::fileRules),
        OffloadPlanner::diskLister(QStringList{*destination} +
                                   m_settings->value(setting::backupDestinations)));
}

void AppModel::startOffload() {
    if (isLoadingHistory())
        return;
    // The blocker is worked out again: free space and the destination may have changed since.
    updateBlocker();
    if (!m_session || m_session->phase() != OffloadSession::Phase::ready || m_blocker)
        return;
    // The preview already worked the names out behind the window, with the same choices; a
    // card of tens of thousands of files takes a noticeable moment to plan again.
    const QList<PlannedFile> files = m_namePreview->isCurrent() && m_namePreview->plan().complete
                                         ? m_namePreview->plan().files
                                         : plan();
    if (!m_settings->value(setting::quickDump))
        m_settings->rememberProject(m_session->projectInput());
    m_cameras->remember(m_session->cameraID(), m_session->card().volumeIdentity());
    m_session->start(files,
                     OffloadDestinations{*m_settings->value(setting::destinationPath),
                                         m_settings->value(setting::backupDestinations),
                                         m_settings->value(setting::verifySource),
                                         m_settings->value(setting::writeAscMhl)},
                     m_ledger.get());
}

void AppModel::sessionFinished(OffloadSession* session, const OffloadSummary& summary) {
    refreshInventory(session);
    // What a card that could not be read all through held is not all copied, whatever was.
    const bool successful = !summary.cancelled && summary.failed == 0 && summary.copied >= 1 &&
                            !session->inventory().unreadable;
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
            if (!weak || weak.data() != m_session.get())
                return;
            setInventory(std::move(inventory));
        });
}

void AppModel::finishSession() {
    if (!m_session || m_session->phase() != OffloadSession::Phase::finished)
        return;
    if (m_session->cardRemoved()) {
        clearSelection();
        return;
    }
    const CardVolume card = m_session->card();
    setSession(nullptr);
    select(card, false);
}

// MARK: Choices on the card

void AppModel::setReoffloadMode(ReoffloadMode mode, bool agreed) {
    if (!m_session || m_session->phase() != OffloadSession::Phase::ready)
        return;
    if (mode != ReoffloadMode::everything || agreed) {
        m_session->setReoffloadMode(mode);
        return;
    }
    qsizetype count = 0;
    for (const Clip& clip : m_session->inventory().allClips())
        if (m_session->includedCategories().contains(
                mediaCategory::classify(mediaCategory::extensionOf(clip.relativePath))))
            ++count;
    QPointer<OffloadSession> weak(m_session.get());
    m_frontEnd->confirm(ReoffloadAlert::everythingText(m_session->card().name, count),
                        [weak](bool confirmed) {
                            if (confirmed && weak && weak->phase() == OffloadSession::Phase::ready)
                                weak->setReoffloadMode(ReoffloadMode::everything);
                        });
}

void AppModel::setProject(const QString& name) {
    if (m_session && m_session->phase() == OffloadSession::Phase::ready)
        m_session->setProjectInput(name);
}

std::optional<Camera> AppModel::cameraNamed(const QString& wanted) const {
    const QString name = wanted.trimmed();
    for (const Camera& camera : m_cameras->cameras())
        if (camera.name.compare(name, Qt::CaseInsensitive) == 0)
            return camera;
    for (const Camera& camera : m_cameras->cameras())
        if (!camera.code.isEmpty() && camera.code.compare(name, Qt::CaseInsensitive) == 0)
            return camera;
    return std::nullopt;
}

void AppModel::selectCamera(const std::optional<QUuid>& cameraID) {
    if (!m_session || m_session->phase() != OffloadSession::Phase::ready)
        return;
    m_session->setCameraID(cameraID);
    m_cameras->remember(cameraID, m_session->card().volumeIdentity());
}

// MARK: Stages

void AppModel::keepAwake() {
    if (!m_sleepInhibitor)
        return;
    if (!isBusy())
        m_copyingHold.reset();
    else if (!m_copyingHold && m_session)
        m_copyingHold = m_sleepInhibitor->hold(tr("Copying “%1”").arg(m_session->card().name));
    if (!isFormatting())
        m_erasingHold.reset();
    else if (!m_erasingHold)
        m_erasingHold = m_sleepInhibitor->hold(tr("Erasing “%1”").arg(m_formatState.text));
}

QString AppModel::cardDetail(const CardVolume& card) const {
    if (card.id() != m_selectedCardID || !m_cardInventory)
        return {};
    std::optional<qsizetype> copied;
    if (m_session && m_session->phase() != OffloadSession::Phase::ready)
        copied = m_session->verifiedIDs().size();
    return OffloadFormatting::cardDetail(m_cardInventory->newFiles.size(), copied,
                                         m_cardInventory->ignored.size());
}

StageState AppModel::stage(int number) const {
    return stageState::derive(number, selectedCard().has_value(), m_session.get(), *m_settings,
                              m_session ? cameraTokenValue(*m_session) : QString());
}

// MARK: Destinations and presets

std::optional<PresetSession> AppModel::presetSession() const {
    if (!m_session)
        return std::nullopt;
    PresetSession s;
    s.phase = m_session->phase() == OffloadSession::Phase::ready ? PresetSession::Phase::ready
              : m_session->phase() == OffloadSession::Phase::running
                  ? PresetSession::Phase::running
                  : PresetSession::Phase::finished;
    s.cameraID = m_session->cameraID();
    return s;
}

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
