#pragma once

#include "app/model/AppModel.h"
#include "app/settings/AppSettings.h"
#include "app/stores/CameraStore.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/PresetStore.h"
#include "devices/DiskTool.h"
#include "devices/VolumeWatcher.h"
#include "history/History.h"
#include "media/DurationReading.h"
#include "media/FactsReading.h"
#include "session/OffloadSession.h"
#include "support/FakeVolumes.h"

#include "support/TestSupport.h"

#include <QDir>

#include <mutex>

namespace stowly::test {

// Durations by file name; anything else has none.
class TableDurations : public DurationReading {
public:
    std::optional<double> duration(const QByteArray& url) override {
        std::lock_guard lock(mutex);
        const QString name = QString::fromUtf8(url.mid(url.lastIndexOf('/') + 1));
        return seconds.contains(name) ? std::optional(seconds.value(name)) : std::nullopt;
    }
    std::mutex mutex;
    QHash<QString, double> seconds;
};

// Facts by file name, as a test sets them; other files hold nothing to tell.
class TableFacts : public FactsReading {
public:
    std::optional<MediaFacts> facts(const QByteArray& url, std::stop_token = {}) override {
        std::lock_guard lock(mutex);
        ++reads;
        return byName.value(QString::fromUtf8(url.mid(url.lastIndexOf('/') + 1)));
    }
    std::mutex mutex;
    QHash<QString, MediaFacts> byName;
    int reads = 0;
};

// A disk tool over the folders the test uses as cards: the erase empties the folder and mounts
// it again under the new name; ejects are only recorded.
class FolderDiskTool : public DiskTool {
public:
    explicit FolderDiskTool(QString mountRoot) : root(std::move(mountRoot)) {}

    std::optional<DiskFacts> facts(const QString& target) override;
    std::optional<QString> volumePath(const QString& path) override;
    FormatOutcome erase(const DiskFacts& card, const QString& cardName, CardFileSystem fileSystem,
                        const QString& newName) override;
    std::optional<QString> eject(const QString& mountPath) override;
    // Makes the card's folder under the root; the test announces it as mounted.
    Mounted mount(const QString& device, const QString& name) override;
    QList<UnmountedCard> unmountedCards() override {
        std::lock_guard lock(mutex);
        return unmounted;
    }
    QString backendName() const override { return QStringLiteral("plain"); }

    // Runs on the main thread while the erase has the card unmounted.
    std::function<void(const QString& oldPath, const QString& newPath)> remount;
    // What the next erase answers instead of erasing (a refusal, or an erase that could not
    // mount the card again).
    std::optional<FormatOutcome> nextOutcome;
    std::mutex mutex;
    QStringList ejected;
    QStringList erased;
    QStringList mounted;
    QList<UnmountedCard> unmounted;

private:
    QString root;
    QHash<QString, QString> m_moved; // device → mount path after an erase
};

// Answers every question the same way and keeps the questions.
struct AnsweringFrontEnd : AppFrontEnd {
    void confirm(const Confirmation& question, std::function<void(bool)> done) override {
        asked.append(question);
        done(answer);
    }
    bool answer = true;
    QList<Confirmation> asked;
};

// A computer with removable cards under a mount root of its own, and an application model
// over temporary stores.
class World {
public:
    // The model's history is `ledger` when given, else a fresh one in the home. The computer is
    // kept awake through `sleepInhibitor`; by default nothing is held.
    explicit World(bool startWatching = true, std::unique_ptr<History> ledger = nullptr,
                   std::shared_ptr<SleepInhibitor> sleepInhibitor = nullptr);
    ~World();

    // A card folder mounted under the root (it joins the watcher when isNew, or at start).
    CardVolume insertCard(const QString& name, const QHash<QString, QByteArray>& files,
                          const std::optional<QString>& uuid = {}, bool announce = true);
    void removeCard(const CardVolume& card);

    // Waits until the selected card's scan is done.
    bool waitForSession();
    bool waitForOffload(int timeoutMs = 10000);

    TempDir root;
    TempDir destination;
    TempDir home;
    FakeVolumes volumes;
    FakeMountEvents* events = nullptr;
    FolderDiskTool* disk = nullptr;
    std::shared_ptr<TableDurations> durations = std::make_shared<TableDurations>();
    std::shared_ptr<TableFacts> facts = std::make_shared<TableFacts>();
    std::unique_ptr<AppModel> model;
    QStringList savedRoots;
    // Where the last erase mounted the card again (announced by the test).
    QString remountedAt;
};

} // namespace stowly::test
