#include "history/HistorySender.h"

#include <QEventLoop>
#include <QTimer>

namespace stowly {

struct HistorySender::Worker {
    std::shared_ptr<ServerHistory> server;
    std::chrono::milliseconds retry;
    std::unique_ptr<ServerHistory::Link> link;
    // The server failed; work is dropped (catchUp makes it good) until it answers again.
    bool away = false;
    QTimer* retryTimer = nullptr;

    ServerHistory::Link& open() {
        if (!link)
            link = std::make_unique<ServerHistory::Link>(*server);
        return *link;
    }
};

HistorySender::HistorySender(std::shared_ptr<ServerHistory> server, std::chrono::milliseconds retry,
                             QObject* parent)
    : QObject(parent), m_server(std::move(server)) {
    m_worker = std::make_shared<Worker>();
    m_worker->server = m_server;
    m_worker->retry = retry;
    m_thread.setObjectName(QStringLiteral("history sender"));
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    // The connection belongs to the thread: it goes there too.
    connect(
        &m_thread, &QThread::finished, m_context,
        [worker = m_worker] {
            worker->link.reset();
            delete worker->retryTimer;
            worker->retryTimer = nullptr;
        },
        Qt::DirectConnection);
    m_thread.start();
    // Whether the server answers is known early, for the window's banner.
    post([](Worker& w) -> std::optional<QString> {
        QString error;
        if (!w.open().open(&error))
            return error;
        return std::nullopt;
    });
}

HistorySender::~HistorySender() {
    m_thread.quit();
    m_thread.wait();
    delete m_context;
}

void HistorySender::post(std::function<std::optional<QString>(Worker&)> work) {
    ++m_outstanding;
    QMetaObject::invokeMethod(m_context, [this, work = std::move(work), worker = m_worker] {
        std::optional<QString> problem;
        if (!worker->away) {
            problem = work(*worker);
            if (problem) {
                worker->away = true;
                if (!worker->retryTimer) {
                    worker->retryTimer = new QTimer;
                    worker->retryTimer->setInterval(worker->retry);
                    QObject::connect(worker->retryTimer, &QTimer::timeout, [this, worker] {
                        QString error;
                        if (!worker->open().open(&error))
                            return;
                        worker->away = false;
                        worker->retryTimer->stop();
                        QMetaObject::invokeMethod(this, [this] { answered(std::nullopt, true); });
                    });
                }
                worker->retryTimer->start();
            }
        }
        // Counted off here, in order with what it tells, so a waiter never sees one without
        // the other. Dropped while the server is away: nothing new to tell.
        QMetaObject::invokeMethod(this, [this, problem, away = worker->away] {
            --m_outstanding;
            if (problem || !away)
                answered(problem, false);
            else if (isIdle())
                Q_EMIT idle();
        });
    });
}

void HistorySender::answered(const std::optional<QString>& problem, bool cameBack) {
    const std::optional<bool> was = m_reachable;
    m_reachable = !problem;
    if (problem)
        m_problem = problem;
    else
        m_problem.reset();
    if (was != m_reachable)
        Q_EMIT reachabilityChanged();
    if (cameBack)
        Q_EMIT backOnline();
    if (isIdle() || problem)
        Q_EMIT idle();
}

void HistorySender::send(const HistoryEntry& entry) {
    post([entry](Worker& w) -> std::optional<QString> {
        QString error;
        if (!w.open().insert(entry, w.server->station(), &error))
            return error;
        return std::nullopt;
    });
}

void HistorySender::forgetCard(const QString& volumeIdentity) {
    post([volumeIdentity](Worker& w) -> std::optional<QString> {
        QString error;
        if (!w.open().forgetCard(w.server->station(), volumeIdentity, &error))
            return error;
        return std::nullopt;
    });
}

void HistorySender::forget(const HistoryEntry& entry) {
    post([entry](Worker& w) -> std::optional<QString> {
        QString error;
        if (!w.open().forget(entry, w.server->station(), &error))
            return error;
        return std::nullopt;
    });
}

void HistorySender::catchUp(const HistoryRecords& records) {
    post([this, records](Worker& w) -> std::optional<QString> {
        const QString& station = w.server->station();
        // By identity: the history may hold one copy twice, the server keeps it once.
        QHash<QByteArray, qsizetype> local;
        local.reserve(records.size());
        for (qsizetype i = 0; i < records.size(); ++i)
            local.insert(ServerHistory::identity(records.at(i), station), i);
        QString error;
        ServerHistory::Link& link = w.open();
        const std::optional<ServerHistory::Link::Digest> there = link.digest(station, &error);
        if (!there)
            return error;
        QSet<QByteArray> ids;
        ids.reserve(local.size());
        for (auto it = local.cbegin(); it != local.cend(); ++it)
            ids.insert(it.key());
        qsizetype sent = 0;
        if (!(*there == ServerHistory::digestOf(ids))) {
            const std::optional<QSet<QByteArray>> held = link.identities(station, &error);
            if (!held)
                return error;
            for (auto it = local.cbegin(); it != local.cend(); ++it) {
                if (held->contains(it.key()))
                    continue;
                const std::optional<int> inserted =
                    link.insert(records.at(it.value()), station, &error);
                if (!inserted)
                    return error;
                sent += *inserted;
            }
        }
        m_caughtUp.store(sent);
        return std::nullopt;
    });
}

bool HistorySender::waitUntilSent(std::chrono::milliseconds timeout) {
    if (isIdle())
        return true;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &HistorySender::idle, &loop, [&] {
        if (isIdle() || m_reachable == false)
            loop.quit();
    });
    deadline.start(timeout);
    loop.exec();
    return isIdle();
}

} // namespace stowly
