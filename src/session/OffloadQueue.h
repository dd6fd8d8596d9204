#pragma once

#include "naming/PlannedFile.h"
#include "session/OffloadSession.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <sys/types.h>

namespace stowly {

class CascadeQueue;
class History;

// Runs the offloads of several cards. Offloads whose destinations lie on different drives run
// side by side; offloads that share a drive take turns in the queue's order, unless sharing is
// allowed. A waiting offload has its plan fixed: the names it copies to were worked out when it
// was handed over.
class OffloadQueue : public QObject {
    Q_OBJECT
public:
    explicit OffloadQueue(History* ledger, QObject* parent = nullptr);
    ~OffloadQueue() override;

    // Whether offloads that share a drive may copy to it at the same time.
    void setShareDrives(bool share);
    // Takes the files whose backups cascade from their main copies.
    void setCascadeQueue(CascadeQueue* cascade) { m_cascade = cascade; }
    bool sharesDrives() const { return m_shareDrives; }

    // Starts the session's run now, or once the drives it shares with earlier offloads are
    // free. A session that is not ready, or already handed over, is left alone.
    void add(OffloadSession* session, const QList<PlannedFile>& plan,
             const OffloadDestinations& where);
    // Takes a waiting offload out: its session stays ready and nothing was written. A running
    // one is stopped as its session stops.
    void cancel(OffloadSession* session);
    // Moves a waiting offload to another place among the waiting ones.
    void moveWaiting(qsizetype from, qsizetype to);

    QList<OffloadSession*> waiting() const;
    QList<OffloadSession*> running() const;
    bool isWaiting(const OffloadSession* session) const;
    bool isEmpty() const { return m_waiting.isEmpty() && m_running.isEmpty(); }
    // The running offload a waiting one waits for, and the folder of the drive they share.
    struct Turn {
        OffloadSession* session = nullptr;
        QString folder;
    };
    std::optional<Turn> waitsFor(const OffloadSession* session) const;

    // The drives a destination's copies land on: the devices of the file systems holding the
    // folders (or their nearest existing parents).
    static QSet<dev_t> drivesOf(const OffloadDestinations& where);

Q_SIGNALS:
    // An offload was added, started, moved, cancelled or ended.
    void changed();

private:
    struct Entry {
        QPointer<OffloadSession> session;
        QList<PlannedFile> plan;
        OffloadDestinations where;
        QSet<dev_t> drives;
    };

    void startWhatCan();
    void ended(OffloadSession* session);
    void forget(OffloadSession* session);
    bool overlaps(const Entry& entry, const QSet<dev_t>& busy) const;

    History* m_history;
    CascadeQueue* m_cascade = nullptr;
    bool m_shareDrives = false;
    QList<Entry> m_waiting;
    QList<Entry> m_running;
};

} // namespace stowly
