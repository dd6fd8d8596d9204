#pragma once

#include "app/AppFrontEnd.h"
#include "app/AppPlatform.h"
#include "app/AppSettings.h"
#include "app/AppStores.h"
#include "app/CameraStore.h"
#include "app/CardHistory.h"
#include "app/DestinationStore.h"
#include "app/ImportPrompterHost.h"
#include "app/LoginItem.h"
#include "app/OffloadBlocker.h"
#include "app/PresetOperations.h"
#include "app/PresetStore.h"
#include "app/StageState.h"
#include "devices/CommandRunning.h"
#include "devices/DiskTool.h"
#include "devices/FormatOutcome.h"
#include "devices/FormatReadiness.h"
#include "devices/MountEvents.h"
#include "devices/VolumeWatcher.h"
#include "history/Ledger.h"
#include "media/CardInventory.h"
#include "media/CardVolume.h"
#include "media/DurationReading.h"
#include "media/DurationScanner.h"
#include "media/ReoffloadMode.h"
#include "naming/NamingContext.h"
#include "naming/PlannedFile.h"

#include <QObject>
#include <QUuid>

#include <memory>
#include <optional>
#include <variant>

namespace stowly {

class CamerasModel;
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
struct LedgerEntry;
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
    Ledger& ledger() { return *m_ledger; }
    const Ledger& ledger() const { return *m_ledger; }
    CameraStore& cameras() { return *m_cameras; }
    const CameraStore& cameras() const { return *m_cameras; }
    DestinationStore& destinations() { return *m_destinations; }
    const DestinationStore& destinations() const { return *m_destinations; }
    PresetStore& presets() { return *m_presets; }
    const PresetStore& presets() const { return *m_presets; }
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

    // The front end fills the seams (window, sounds, confirmations); it must outlive the model
    // or be set back to null.
    void setFrontEnd(AppFrontEnd* frontEnd);

    const std::optional<QString>& selectedCardID() const { return m_selectedCardID; }
    std::optional<CardVolume> selectedCard() const;
    OffloadSession* session() { return m_session.get(); }
    const OffloadSession* session() const { return m_session.get(); }
    bool isScanning() const { return m_isScanning; }
    // The history is still being read; a card selected meanwhile waits for it to be scanned.
    bool isLoadingHistory() const { return !m_ledger->isLoaded(); }
    bool isEjecting() const { return m_isEjecting; }
    const std::optional<QString>& ejectError() const { return m_ejectError; }
    const std::optional<CardInventory>& cardInventory() const { return m_cardInventory; }
    const FormatState& formatState() const { return m_formatState; }
    const std::optional<QString>& formattingCardPath() const { return m_formattingCardPath; }
    const std::optional<QString>& pendingFormattedMount() const { return m_pendingFormattedMount; }
    const DurationScanner::Cache& durationCache() const { return m_durationCache; }

    bool isBusy() const override;
    // The one reason the offload cannot start; none when it can.
    const std::optional<OffloadBlocker>& offloadBlocker() const { return m_blocker; }
    std::optional<FormatReadiness> formatReadiness() const;
    bool canFormatSelectedCard() const;
    qsizetype selectedCardHistoryCount() const;
    // The line under a card's name: its new, copied and ignored files; only the selected card
    // has an inventory to tell.
    QString cardDetail(const CardVolume& card) const;
    // Stage 1 "Card", 2 "Media", 3 "Destination".
    StageState stage(int number) const;

    // The card a folder path names: a mounted volume's root, with the volume's name and UUID,
    // or any other folder, as a card named after it without a UUID; or why it names none.
    std::variant<CardVolume, QString> cardAt(const QString& path) const;

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
    void startOffload();
    void ejectCard(const CardVolume& card);
    // Mounts a card's file system that nothing has mounted; mountEnded follows, and the card
    // joins the list through its mount event like any other.
    void mountCard(const QString& device, const QString& name);
    // The card file systems the system knows but nothing has mounted. Asks the system, so it
    // takes a moment.
    QList<DiskTool::UnmountedCard> unmountedCards() const;
    // Where the file system on a device node ("/dev/sdb1") is mounted; empty when nowhere or
    // when the system cannot tell. Asks the system too.
    QStringList mountPointsOf(const QString& device) const;
    // How disks are reached: "udisks2" or "plain".
    QString diskBackend() const;
    // Re-offloading everything asks the front end first, unless the user already agreed (a
    // command that names the mode is the agreement).
    void setReoffloadMode(ReoffloadMode mode, bool agreed = false);
    void setProject(const QString& name);
    void selectCamera(const std::optional<QUuid>& cameraID);
    // A camera by name, else by code, ignoring case and surrounding spaces.
    std::optional<Camera> cameraNamed(const QString& name) const;
    void confirmForgetSelectedCardHistory();
    // The history a card argument names: a card or folder that is there, else the text taken
    // as the identity or the recorded name of a card that is not inserted; or why it names
    // none.
    std::variant<CardHistory, QString> cardHistory(const QString& argument) const;
    // Forgets a card's entries by its identity only (a name may be shared by many cards);
    // answers how many were forgotten.
    qsizetype forgetCardHistory(const CardHistory& history);
    void forgetLedgerEntry(const LedgerEntry& entry);
    void formatSelectedCard();
    void formatFinished(const CardVolume& card, const FormatOutcome& outcome);
    void refreshInventory(OffloadSession* session);

    NamingContext namingContext(const OffloadSession& session) const;
    QString cameraTokenValue(const OffloadSession& session) const;

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
    // Another session object replaced the current one (or none is left).
    void sessionChanged();
    // A value of the current session changed: its choices, its files, its phase.
    void sessionUpdated();
    // The current run copied more.
    void offloadProgressed();
    void blockerChanged();
    void formatStateChanged();
    void ejectingChanged();
    // A run of the current session ended.
    void offloadFinished(const stowly::OffloadSummary& summary);
    // An erase ended, with its outcome.
    void formatEnded(const stowly::FormatOutcome& outcome);
    void ejectEnded(const stowly::CardVolume& card, const std::optional<QString>& error);
    // mountPoint is none when the mount failed; failure then says why.
    void mountEnded(const QString& device, const std::optional<QString>& mountPoint,
                    const QString& failure);

private:
    void install(std::unique_ptr<OffloadSession> session);
    void historyLoaded();
    void setSession(std::unique_ptr<OffloadSession> session);
    void sessionFinished(OffloadSession* session, const OffloadSummary& summary);
    void fileRulesChanged();
    void setFormatState(FormatState state);
    void destinationChanged() { m_watcher->refresh(); }
    void setScanning(bool scanning);
    void setInventory(std::optional<CardInventory> inventory);
    void setSelectedCardID(std::optional<QString> id);
    void updateBlocker();
    // Holds the computer awake while a copy or an erase runs, and lets go once it ends.
    void keepAwake();
    std::optional<PresetSession> presetSession() const;

    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<Ledger> m_ledger;
    std::unique_ptr<CameraStore> m_cameras;
    std::unique_ptr<DestinationStore> m_destinations;
    std::unique_ptr<PresetStore> m_presets;
    const VolumeFacts* m_volumes;
    std::unique_ptr<MountEvents> m_mountEvents;
    std::shared_ptr<CommandRunning> m_runner;
    std::unique_ptr<VolumeWatcher> m_watcher;
    std::unique_ptr<ImportPrompter> m_importPrompter;
    std::unique_ptr<LoginItem> m_loginItem;
    bool m_menuBarIconInserted = false;
    // Shared with the erase and eject running in the background, which may outlive the model.
    std::shared_ptr<CardFormatter> m_formatter;
    std::unique_ptr<PresetOperations> m_presetOperations;
    std::shared_ptr<DurationReading> m_durationReader;
    std::shared_ptr<SleepInhibitor> m_sleepInhibitor;
    // Asked for once per copy or erase (a system that gives none is not asked again), held
    // until it ends.
    std::optional<std::unique_ptr<SleepInhibitor::Hold>> m_copyingHold;
    std::optional<std::unique_ptr<SleepInhibitor::Hold>> m_erasingHold;
    AppFrontEnd m_noFrontEnd;
    AppFrontEnd* m_frontEnd = &m_noFrontEnd;

    std::optional<QString> m_selectedCardID;
    std::unique_ptr<OffloadSession> m_session;
    bool m_isScanning = false;
    quint64 m_scanGeneration = 0;
    // Selected while the history was read; scanned once it is.
    std::optional<CardVolume> m_cardAwaitingHistory;
    bool m_isEjecting = false;
    std::optional<QString> m_ejectError;
    std::optional<CardInventory> m_cardInventory;
    FormatState m_formatState;
    std::optional<QString> m_formattingCardPath;
    std::optional<QString> m_pendingFormattedMount;
    DurationScanner::Cache m_durationCache;
    FileRules m_lastFileRules;
    std::optional<OffloadBlocker> m_blocker;

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
