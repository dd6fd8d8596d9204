#pragma once

#include "history/HistoryRecords.h"
#include "history/ServerHistory.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace stowly {

// Sends this station's verified copies to the shared history on a thread of its own, so that a
// slow or absent server never holds a copy up: the local journal has each record first. When
// the server is away it says so, asks again every little while, and once it answers sends what
// it lacks (catchUp compares the whole local history with the server's, in brief first).
// Records may be sent twice (a station that stopped between the write and its answer); the
// server keeps one. Main thread only.
class HistorySender : public QObject {
    Q_OBJECT
public:
    explicit HistorySender(std::shared_ptr<ServerHistory> server,
                           std::chrono::milliseconds retry = std::chrono::seconds(3),
                           QObject* parent = nullptr);
    ~HistorySender() override;

    const ServerHistory& server() const { return *m_server; }

    void send(const HistoryEntry& entry);
    void forgetCard(const QString& volumeIdentity);
    void forget(const HistoryEntry& entry);
    // Sends whatever of these, this station's whole history, the server lacks.
    void catchUp(const HistoryRecords& records);

    // Known to answer: it did at the last try. Unknown until the first one.
    std::optional<bool> isReachable() const { return m_reachable; }
    // Why the server cannot be reached, in the user's words.
    const std::optional<QString>& problem() const { return m_problem; }
    // Records handed over and not yet written or given up on.
    bool isIdle() const { return m_outstanding == 0; }
    // Runs the event loop until everything handed over is written or the server is found to be
    // away, for at most `timeout`; true when nothing is left to send.
    bool waitUntilSent(std::chrono::milliseconds timeout);
    // How many copies the last catch-up sent; for the CLI's summary.
    qsizetype lastCaughtUp() const { return m_caughtUp; }

Q_SIGNALS:
    void reachabilityChanged();
    // The server answers again after it was away: time to catch up.
    void backOnline();
    void idle();

private:
    struct Worker;
    // Runs `work` on the sender's thread; it answers whether the server took it.
    void post(std::function<std::optional<QString>(Worker&)> work);
    void answered(const std::optional<QString>& problem, bool cameBack);

    std::shared_ptr<ServerHistory> m_server;
    QThread m_thread;
    // Lives on m_thread; what it holds is touched there only.
    QObject* m_context = nullptr;
    std::shared_ptr<Worker> m_worker;
    std::optional<bool> m_reachable;
    std::optional<QString> m_problem;
    // Handed over, and not yet answered back on this thread.
    int m_outstanding = 0;
    std::atomic<qsizetype> m_caughtUp{0};
};

} // namespace stowly
