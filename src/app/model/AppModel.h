#pragma once

#include "app/model/AppFrontEnd.h"
#include "app/model/AppPlatform.h"
#include "app/model/CardHistory.h"
#include "app/model/OffloadBlocker.h"
#include "app/model/QueueLines.h"
#include "app/model/StageState.h"
#include "app/prompts/ImportPrompterHost.h"
#include "app/settings/AppSettings.h"
#include "app/settings/LoginItem.h"
#include "app/stores/AppStores.h"
#include "app/stores/CameraStore.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/PresetOperations.h"
#include "app/stores/PresetStore.h"
#include "devices/CommandRunning.h"
#include "devices/DiskTool.h"
#include "devices/FormatOutcome.h"
#include "devices/FormatReadiness.h"
#include "devices/MountEvents.h"
#include "devices/VolumeWatcher.h"
#include "history/History.h"
#include "history/RunLog.h"
#include "media/CardInventory.h"
#include "media/CardVolume.h"
#include "media/DurationReading.h"
#include "media/DurationScanner.h"
#include "media/ReoffloadMode.h"
#include "naming/NamingContext.h"
#include "naming/PlannedFile.h"
#include "report/Report.h"

#include <QObject>
#include <QTimer>
#include <QUuid>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

namespace stowly {

class AutomaticOffload;
class CardFactsReader;
class CascadeQueue;
class SharedHistory;
class CamerasModel;
class CardDesk;
class CardDevices;
class OffloadQueue;
class QueueBoard;
class CardFormatter;
class CardListModel;
class FavoritesModel;
class HistoryModel;
class NamePreview;
class PresetsModel;
class SessionFilesModel;
class ImportPrompter;
class OffloadSession;
class VolumeFacts;
struct FavoriteDestination;
struct HistoryEntry;
struct OffloadPreset;
struct OffloadSummary;

// The one object that ties the application together: it owns the stores and the card devices,
// scans the selected card in the background, makes the per-card offload session, says why an
// offload cannot start yet, starts it and reacts to its end, and carries eject, re-offload,
// forgetting history and the erase. Lives on the main thread; long work runs on worker threads
// over snapshots and comes back to the main thread.
class AppModel : public QObject, public ImportPrompterHost {
    Q_OBJECT
public:
    using Stores = AppStores;
    using Platform = AppPlatform;

    struct FormatState {
        enum class Kind { idle, formatting, formatted, failed };
        Kind kind = Kind::idle;
        // The card's name while formatting and once formatted; the message when failed.
        QString text;
        // Once formatted, what the user must still do (put a card in again that couldn't be
        // mounted again).
        std::optional<QString> note;
        friend bool operator==(const FormatState&, const FormatState&) = default;
    };

    // Stores left empty are made from their default locations; platform parts left empty are
    // this computer's own.
    AppModel(Stores stores = {}, Platform platform = {}, bool startWatching = true,
             QObject* parent = nullptr);
    ~AppModel() override;

    AppSettings& settings() { return *m_settings; }
    // The start-at-login switch; live only in a model that watches the computer.
    LoginItem& loginItem() { return *m_loginItem; }
    // Whether the tray item should be there: Stowly keeps running in the background and its
    // icon is wanted.
    bool menuBarIconInserted() const;
    const AppSettings& settings() const { return *m_settings; }
    History& history() { return *m_history; }
    const History& history() const { return *m_history; }
    // The history several stations share, when the settings name a server.
    SharedHistory& sharedHistory() const { return *m_shared; }
    CameraStore& cameras() { return *m_cameras; }
    const CameraStore& cameras() const { return *m_cameras; }
    DestinationStore& destinations() { return *m_destinations; }
    const DestinationStore& destinations() const { return *m_destinations; }
    PresetStore& presets() { return *m_presets; }
    const PresetStore& presets() const { return *m_presets; }
    RuleStore& rules() { return *m_rules; }
    const RuleStore& rules() const { return *m_rules; }
    // Offloads inserted cards by the rules.
    AutomaticOffload& automaticOffload() const { return *m_automatic; }
    const QList<CardVolume>& cards() const;
    // Lists the mounted cards from now on, for a model made without watching.
    void startWatchingCards() { m_watcher->start(); }
    ImportPrompter& importPrompter() { return *m_importPrompter; }

    // Lists a view can show as they are; each follows its part of the model.
    CardListModel& cardList() const { return *m_cardList; }
    // The selected card's files in one of the three scopes of the media stage.
    SessionFilesModel& filesToCopy() const { return *m_filesToCopy; }
    SessionFilesModel& filesOffloaded() const { return *m_filesOffloaded; }
    SessionFilesModel& shortClipsSkipped() const { return *m_shortClipsSkipped; }
    FavoritesModel& favoriteList() const { return *m_favoriteList; }
    PresetsModel& presetList() const { return *m_presetList; }
    CamerasModel& cameraList() const { return *m_cameraList; }
    HistoryModel& historyList() const { return *m_historyList; }
    // The names the files to copy would get, before the run (also in filesToCopy()).
    NamePreview& namePreview() const { return *m_namePreview; }

    // Reports. Every ended run that copied or tried to is recorded, by the id of its session.
    const RunLog& runLog() const { return *m_runLog; }
    static QString runIdOf(const OffloadSession& session);
    // The folder at the top of each destination that the reports written there go into.
    static QString reportsFolderName();
    // A report of past offloads, or why there is none, in the system's words.
    std::variant<Report, QString> report(const ReportScope& scope) const;
    // The run that made this verified copy; none for copies made before runs were recorded.
    std::optional<QString> runIdOfCopy(const QString& destinationPath) const;
    // Writes a run's report into a folder (made when missing); the failures, one line each.
    // Called on a worker thread. Without one, the setting to write reports does nothing.
    using ReportPrinter = std::function<QStringList(const Report& report, const QString& folder)>;
    void setReportPrinter(ReportPrinter printer);
    // Runs whose record or reports are still being written.
    int reportsWriting() const { return m_reportsWriting; }

    // The front end fills the seams (window, sounds, confirmations); it must outlive the model
    // or be set back to null.
    void setFrontEnd(AppFrontEnd* frontEnd);

    const std::optional<QString>& selectedCardID() const { return m_selectedCardID; }
    std::optional<CardVolume> selectedCard() const;
    // The selected card's session; none while it is scanned or when none is selected.
    OffloadSession* session() const;
    bool isScanning() const;
    // The history is still being read; a card selected meanwhile waits for it to be scanned.
    bool isLoadingHistory() const { return !m_history->isLoaded(); }
    const std::optional<CardInventory>& cardInventory() const;
    // What the selected card's clips and photos hold, by relative path, as far as read yet.
    const QHash<QString, MediaFacts>& cardFacts() const;
    bool isReadingCardFacts() const;
    const FormatState& formatState() const { return m_formatState; }
    const std::optional<QString>& pendingFormattedMount() const { return m_pendingFormattedMount; }

    // Every card that is in has its desk; the selected card's is the one the window shows.
    QList<CardDesk*> desks() const;
    CardDesk* desk(const QString& cardID) const;
    CardDesk* selectedDesk() const { return m_desk; }
    // The shown card is being copied or waits for its turn: its choices, its destination and
    // the card itself stay as they are. Other cards may still be set up and started.
    bool isSelectedCardBusy() const;
    // The program run after each card's offload (a setting) is still running for one.
    bool isRunningAfterwards() const { return m_afterwardsRunning > 0; }
    // How long that program may run; a test shortens it.
    void setAfterwardsLimit(std::chrono::milliseconds limit) { m_afterwardsLimit = limit; }
    OffloadQueue& queue() const { return *m_queue; }
    // The copies that cascade from main copies to backups, outliving the cards.
    CascadeQueue& cascadeQueue() const { return *m_cascade; }
    // For a card whose offload ended while backups are still being made from its first copies:
    // it may be taken out, and how many backups are still coming.
    std::optional<QString> safeToRemoveText(const CardDesk& desk) const;
    // The queue as the offload bar shows and orders it.
    QueueBoard& queueBoard() const { return *m_queueBoard; }
    // Ejecting, mounting and what the system knows of the cards' disks.
    CardDevices& devices() const { return *m_devices; }
    // What the system says of its volumes.
    const VolumeFacts& volumes() const { return *m_volumes; }

    // An offload runs or waits for its turn.
    bool isBusy() const override;
    // The one reason the selected card's offload cannot start; none when it can.
    const std::optional<OffloadBlocker>& offloadBlocker() const;
    std::optional<FormatReadiness> formatReadiness() const;
    bool canFormatSelectedCard() const;
    qsizetype selectedCardHistoryCount() const;
    // The line under a card's name: its new, copied and ignored files; only the selected card
    // has an inventory to tell.
    QString cardDetail(const CardVolume& card) const;
    // Stage 1 "Card", 2 "Media", 3 "Destination".
    StageState stage(int number) const;

    void select(const CardVolume& card, bool keepFormatState);
    void cardInserted(const CardVolume& card, bool isNewMount);
    void cardRemoved(const CardVolume& card);
    // A card nothing has mounted was inserted; mounted when the settings say so.
    void cardFileSystemAppeared(const QString& device, const QString& name);
    void showForImport(const CardVolume& card) override;
    void clearSelection();
    void finishSession();
    // Where each new file of the selected card would go with the current choices; empty while
    // the offload is blocked.
    QList<PlannedFile> plan() const;
    QList<PlannedFile> plan(const CardDesk& desk) const;
    // Hands the selected card's offload (or a desk's) to the queue: it starts now, or waits for
    // the drives it shares with offloads ahead of it.
    void startOffload();
    void startDeskOffload(CardDesk& desk);
    void ejectCard(const CardVolume& card);
    // Re-offloading everything asks the front end first, unless the user already agreed (a
    // command that names the mode is the agreement).
    void setReoffloadMode(ReoffloadMode mode, bool agreed = false);
    void setProject(const QString& name);
    void selectCamera(const std::optional<QUuid>& cameraID);
    void confirmForgetSelectedCardHistory();
    void forgetHistoryEntry(const HistoryEntry& entry);
    void formatSelectedCard();
    void formatFinished(const CardVolume& card, const FormatOutcome& outcome);

    NamingContext namingContext(const OffloadSession& session) const;
    QString cameraTokenValue(const OffloadSession& session) const;
    // The camera token of the selected card's offload; empty without one.
    QString selectedCameraToken() const;

    // The window's destination and preset commands.
    void applyPreset(const OffloadPreset& preset) { m_presetOperations->applyPreset(preset); }
    void useFavorite(const FavoriteDestination& favorite);
    // Another folder chosen, or a folder dropped on the window.
    void useFolder(const QString& path);
    void addCurrentDestinationToFavorites();
    OffloadPreset saveCurrentSetupAsPreset(const QString& name) {
        return m_presetOperations->saveCurrentSetupAsPreset(name);
    }
    void updatePresetFromCurrentSetup(const QUuid& id) {
        m_presetOperations->updatePresetFromCurrentSetup(id);
    }
    void usePresetWithCurrentFileRules(const QUuid& id) {
        m_presetOperations->useCurrentFileRules(id);
    }
    // There is an active preset and the current setup no longer matches it.
    bool activePresetIsEdited() const { return m_presetOperations->activePresetIsEdited(); }
    // Points the favourite at another folder; the destination follows when it was in that
    // favourite's folder, so an offload never goes to the folder the user just replaced.
    void changeFavoriteFolder(const QUuid& id, const QString& path);

    // ImportPrompterHost
    bool isFormatting() const override;
    QList<CardVolume> mountedCards() const override { return m_watcher->cards(); }

Q_SIGNALS:
    void cardsChanged();
    void menuBarIconInsertedChanged();
    // The selected card changed (or none is selected).
    void selectionChanged();
    void scanningChanged();
    void historyLoadingChanged();
    void inventoryChanged();
    // More of the selected card's facts were read (or another card is shown).
    void cardFactsChanged();
    // Another session object replaced the current one (or none is left).
    void sessionChanged();
    // A value of the current session changed: its choices, its files, its phase.
    void sessionUpdated();
    // The current run copied more.
    void offloadProgressed();
    // The backups made from first copies took on, finished or copied something.
    void cascadeChanged();
    // The shared history came or went, or its server stopped or started answering.
    void sharedHistoryChanged();
    void blockerChanged();
    void formatStateChanged();
    // A run of any card ended.
    void offloadFinished(const stowly::OffloadSummary& summary);
    // The same, with the card it copied.
    void offloadEnded(const stowly::CardVolume& card, const stowly::OffloadSummary& summary);
    // An offload was queued, started, moved, cancelled or ended.
    void queueChanged();
    // The program run after an offload of the card ended; why it failed, if it did.
    void afterwardsEnded(const stowly::CardVolume& card, const std::optional<QString>& failure);
    // An erase ended, with its outcome.
    void formatEnded(const stowly::FormatOutcome& outcome);
    // An ended run's record, and its reports where the settings ask, were written or failed.
    void reportsWritten();

private:
    CardDesk& openDesk(const CardVolume& card);
    CardDesk* deskOf(const OffloadSession* session) const;
    QList<OffloadSession*> sessions() const;
    void showDesk(CardDesk* desk);
    void closeDesk(CardDesk* desk);
    // Desks of cards that are no longer listed, and that nothing shows or runs.
    void closeIdleDesks();
    // Gives a card its desk and scans it, without selecting it.
    void prepare(const CardVolume& card);
    void scan(CardDesk& desk);
    void install(CardDesk& desk, std::unique_ptr<OffloadSession> session);
    void historyLoaded();
    void sessionFinished(OffloadSession* session, const OffloadSummary& summary);
    void refreshInventory(OffloadSession* session);
    void fileRulesChanged();
    void setFormatState(FormatState state);
    void destinationChanged() { m_watcher->refresh(); }
    void setSelectedCardID(std::optional<QString> id);
    void updateBlocker();
    void updateDeskBlocker(CardDesk& desk);
    // Holds the computer awake while a copy or an erase runs, and lets go once it ends.
    void keepAwake();
    void runAfterwards(OffloadSession* session);
    RunRecord runRecordOf(const OffloadSession& session, const OffloadSummary& summary) const;
    void recordRun(OffloadSession* session, const OffloadSummary& summary);
    std::optional<PresetSession> presetSession() const;

    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<History> m_history;
    std::unique_ptr<SharedHistory> m_shared;
    std::shared_ptr<RunLog> m_runLog;
    ReportPrinter m_reportPrinter;
    int m_reportsWriting = 0;
    std::unique_ptr<CameraStore> m_cameras;
    std::unique_ptr<DestinationStore> m_destinations;
    std::unique_ptr<PresetStore> m_presets;
    std::unique_ptr<RuleStore> m_rules;
    const VolumeFacts* m_volumes;
    std::unique_ptr<MountEvents> m_mountEvents;
    std::shared_ptr<CommandRunning> m_runner;
    std::unique_ptr<VolumeWatcher> m_watcher;
    std::unique_ptr<ImportPrompter> m_importPrompter;
    std::unique_ptr<LoginItem> m_loginItem;
    bool m_menuBarIconInserted = false;
    std::unique_ptr<CardDevices> m_devices;
    std::unique_ptr<PresetOperations> m_presetOperations;
    std::unique_ptr<AutomaticOffload> m_automatic;
    std::shared_ptr<DurationReading> m_durationReader;
    std::unique_ptr<CardFactsReader> m_factsReader;
    std::shared_ptr<SleepInhibitor> m_sleepInhibitor;
    bool m_takesUpCascades = true;
    // Asked for once per copy or erase (a system that gives none is not asked again), held
    // until it ends.
    std::optional<std::unique_ptr<SleepInhibitor::Hold>> m_copyingHold;
    std::optional<std::unique_ptr<SleepInhibitor::Hold>> m_erasingHold;
    AppFrontEnd m_noFrontEnd;
    AppFrontEnd* m_frontEnd = &m_noFrontEnd;

    std::optional<QString> m_selectedCardID;
    std::vector<std::unique_ptr<CardDesk>> m_desks;
    CardDesk* m_desk = nullptr;
    std::unique_ptr<CascadeQueue> m_cascade;
    std::unique_ptr<OffloadQueue> m_queue;
    std::unique_ptr<QueueBoard> m_queueBoard;
    std::optional<OffloadBlocker> m_noCardBlocker;
    // Asks a destination that did not answer again.
    QTimer* m_askDestinationAgain = nullptr;
    FormatState m_formatState;
    std::optional<QString> m_formattingCardPath;
    std::optional<QString> m_pendingFormattedMount;
    DurationScanner::Cache m_durationCache;
    FileRules m_lastFileRules;
    int m_afterwardsRunning = 0;
    std::chrono::milliseconds m_afterwardsLimit{60'000};

    // Declared last, so they go before the stores they read.
    std::unique_ptr<CardListModel> m_cardList;
    std::unique_ptr<SessionFilesModel> m_filesToCopy;
    std::unique_ptr<SessionFilesModel> m_filesOffloaded;
    std::unique_ptr<SessionFilesModel> m_shortClipsSkipped;
    std::unique_ptr<FavoritesModel> m_favoriteList;
    std::unique_ptr<PresetsModel> m_presetList;
    std::unique_ptr<CamerasModel> m_cameraList;
    std::unique_ptr<HistoryModel> m_historyList;
    std::unique_ptr<NamePreview> m_namePreview;
};

} // namespace stowly
