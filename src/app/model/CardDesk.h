#pragma once

#include "app/model/OffloadBlocker.h"
#include "copy/OffloadProgress.h"
#include "copy/OffloadSummary.h"
#include "media/CardInventory.h"
#include "media/CardVolume.h"
#include "media/MediaFacts.h"
#include "media/ReoffloadMode.h"
#include "naming/PlannedFile.h"

#include <QDateTime>
#include <QObject>
#include <QUuid>

#include <atomic>
#include <future>
#include <memory>
#include <optional>
#include <stop_token>

namespace stowly {

class OffloadSession;

// Everything that belongs to one card that is in: its scan and inventory, its session with the
// user's choices and its run, and the one reason its offload cannot start. Every card has its
// own; selecting a card only chooses the desk the window shows.
class CardDesk : public QObject {
    Q_OBJECT
public:
    explicit CardDesk(const CardVolume& card, QObject* parent = nullptr);
    ~CardDesk() override;

    const CardVolume& card() const { return m_card; }
    // The card as listed now (a remount may move it).
    void setCard(const CardVolume& card) { m_card = card; }

    OffloadSession* session() const { return m_session.get(); }
    void setSession(std::unique_ptr<OffloadSession> session);
    bool isScanning() const { return m_isScanning; }
    void setScanning(bool scanning);
    const std::optional<CardInventory>& inventory() const { return m_inventory; }
    void setInventory(std::optional<CardInventory> inventory);
    const std::optional<OffloadBlocker>& blocker() const { return m_blocker; }
    void setBlocker(std::optional<OffloadBlocker> blocker);

    // What the card's clips and photos hold, by relative path, as far as read yet.
    const QHash<QString, MediaFacts>& facts() const { return m_facts; }
    void addFacts(const QHash<QString, MediaFacts>& facts);
    // A new reading of the facts, ready once `ended` is: the one before is stopped and what it
    // found forgotten.
    void setFactsReading(std::stop_source reading, std::shared_future<void> ended = {});
    // Stops the reading before the card is ejected or erased; the files it has open are closed
    // once the future is ready, which a stop makes a matter of a moment.
    std::shared_future<void> stopFactsReading();
    // Facts are still being read; every file's once the reading ends.
    bool isReadingFacts() const { return m_readingFacts; }
    void factsReadingEnded();
    // Set while a run copies from the card, for readings on other threads to give way.
    std::shared_ptr<const std::atomic<bool>> copyingFlag() const { return m_copying; }

    // A newer scan replaces an older one, whose result is then dropped.
    quint64 beginScan();
    bool isLatestScan(quint64 scan) const { return scan == m_scan; }

    // Copying now, or waiting in the queue for its turn.
    bool isBusy() const;
    bool isRunning() const;

    // The desk's offload as its views read it; a desk without one reads as empty.
    bool hasOffload() const { return m_session != nullptr; }
    // Its choices may still change: not yet handed to the queue.
    bool isOpen() const;
    bool isWaiting() const;
    bool isFinished() const;
    QUuid offloadID() const;
    QList<Clip> newClips() const;
    // Files of the card the history holds copies of, kept or gone, as scanned for the offload.
    bool hasOffloadedFiles() const;
    qint64 newBytes() const;
    int outsideDatesCount() const;
    int skippedShortCount() const;
    double shortThreshold() const;
    ReoffloadMode reoffloadMode() const;
    QString projectInput() const;
    std::optional<QUuid> cameraID() const;
    std::optional<QList<PlannedFile>> plan() const;
    OffloadProgress progress() const;
    std::optional<OffloadSummary> summary() const;
    std::optional<QDateTime> startedAt() const;

    // The window's commands on the open offload; a waiting or running one ignores them.
    void includeAllShort();
    void toggleReoffload(const Clip& clip);
    void toggleIncludeShort(const Clip& clip);
    // Stops the run; the file in progress leaves no partial file.
    void cancel();

Q_SIGNALS:
    // Another session replaced the desk's (or none is left).
    void sessionChanged();
    // A value of the session changed: its choices, its files, its phase.
    void sessionUpdated();
    void progressed(const stowly::OffloadProgress& progress);
    void scanningChanged();
    void inventoryChanged();
    void blockerChanged();
    void factsChanged();

private:
    CardVolume m_card;
    std::unique_ptr<OffloadSession> m_session;
    bool m_isScanning = false;
    quint64 m_scan = 0;
    std::optional<CardInventory> m_inventory;
    std::optional<OffloadBlocker> m_blocker;
    QHash<QString, MediaFacts> m_facts;
    std::stop_source m_factsReading;
    std::shared_future<void> m_factsEnded;
    bool m_readingFacts = false;
    std::shared_ptr<std::atomic<bool>> m_copying = std::make_shared<std::atomic<bool>>(false);
};

} // namespace stowly
