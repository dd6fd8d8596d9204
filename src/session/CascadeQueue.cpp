#include "session/CascadeQueue.h"

#include "base/Log.h"
#include "history/History.h"

#include <QMetaObject>

namespace stowly {

CascadeQueue::CascadeQueue(History* history, QString backlogPath, QObject* parent)
    : QObject(parent), m_history(history), m_backlog(std::move(backlogPath)),
      m_runJournal(history ? history->journal()->startRun() : nullptr),
      m_worker([this](std::stop_token stop) { work(stop); }) {}

CascadeQueue::~CascadeQueue() {
    m_worker.request_stop();
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

QString CascadeQueue::cardIdentity(const HistoryEntry& entry) {
    return entry.sourceKey.section(u'|', 0, 0);
}

void CascadeQueue::resume() {
    CascadeBacklog::Contents contents;
    {
        std::lock_guard lock(m_backlogMutex);
        contents = m_backlog.load();
    }
    if (contents.error)
        Log::info(Log::Category::app, QStringLiteral("Couldn’t read the cascade backlog %1: %2")
                                          .arg(m_backlog.path(), *contents.error));
    if (contents.damagedLines > 0)
        Log::info(Log::Category::app, QStringLiteral("The cascade backlog had %1 unreadable lines")
                                          .arg(contents.damagedLines));
    {
        std::lock_guard lock(m_mutex);
        for (const CascadeItem& item : contents.items)
            m_items.push_back(item);
    }
    if (!contents.items.isEmpty()) {
        Log::info(Log::Category::app,
                  QStringLiteral("Resuming %1 cascaded copies").arg(contents.items.size()));
        m_wake.notify_all();
        Q_EMIT changed();
    }
}

std::optional<QString> CascadeQueue::add(const CascadeItem& item) {
    std::optional<QString> unkept;
    {
        std::lock_guard lock(m_backlogMutex);
        unkept = m_backlog.add(item);
    }
    if (unkept)
        Log::info(Log::Category::app,
                  QStringLiteral("Couldn’t keep a cascaded copy in the backlog: ") + *unkept);
    {
        std::lock_guard lock(m_mutex);
        m_items.push_back(item);
    }
    m_wake.notify_all();
    Q_EMIT changed();
    return unkept;
}

bool CascadeQueue::isIdle() const {
    std::lock_guard lock(m_mutex);
    return m_items.empty() && m_inFlight.empty();
}

qsizetype CascadeQueue::pendingFiles(const std::optional<QString>& card) const {
    std::lock_guard lock(m_mutex);
    const auto counts = [&](const CascadeItem& item) {
        return !card || cardIdentity(item.first) == *card;
    };
    return std::count_if(m_items.cbegin(), m_items.cend(), counts) +
           std::count_if(m_inFlight.cbegin(), m_inFlight.cend(), counts);
}

qint64 CascadeQueue::pendingBytes() const {
    std::lock_guard lock(m_mutex);
    qint64 bytes = 0;
    for (const auto* list : {&m_items, &m_inFlight})
        for (const CascadeItem& item : *list)
            bytes += item.first.size * item.roots.size();
    return bytes;
}

void CascadeQueue::work(std::stop_token stop) {
    while (!stop.stop_requested()) {
        CascadeItem item;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, stop, [this] { return !m_items.empty(); });
            if (stop.stop_requested())
                return;
            item = m_items.front();
            m_items.pop_front();
            m_inFlight.push_back(item);
        }
        const QList<CascadeResult> results = CascadeCopy::copy(
            item, [](qint64) {}, stop, m_runJournal.get());
        QList<Outcome> outcomes;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (const CascadeResult& result : results) {
            // A copy cut short by the stop is made at the next start.
            if (!result.result && result.result.failure().kind == CopyFailure::Kind::cancelled)
                continue;
            Outcome outcome{result.root, std::nullopt, std::nullopt};
            if (result.result) {
                outcome.entry = item.entryAt(result.target, now);
                // Noted here, so the main thread never waits for the disk; once it is, the
                // backlog may let the backup go.
                outcome.journaled = !m_runJournal || !m_runJournal->recorded(*outcome.entry);
            } else {
                outcome.failure = result.result.failure();
            }
            {
                std::lock_guard lock(m_backlogMutex);
                m_backlog.done(item, result.root);
            }
            outcomes.append(outcome);
        }
        QMetaObject::invokeMethod(
            this, [this, item, outcomes] { finished(item, outcomes); }, Qt::QueuedConnection);
    }
}

void CascadeQueue::finished(const CascadeItem& item, const QList<Outcome>& outcomes) {
    for (const Outcome& outcome : outcomes) {
        if (outcome.entry) {
            if (m_runJournal)
                m_runJournal->taken();
            if (m_history)
                m_history->addRecorded(*outcome.entry, outcome.journaled);
            Q_EMIT recorded(*outcome.entry);
        } else if (outcome.failure) {
            m_failures.append({item, outcome.root, *outcome.failure});
            Log::info(Log::Category::app, QStringLiteral("Cascaded copy of %1 to %2 failed: %3")
                                              .arg(item.first.destinationPath, outcome.root,
                                                   outcome.failure->description));
            Q_EMIT failed(m_failures.last());
        }
    }
    {
        std::lock_guard lock(m_mutex);
        if (!m_inFlight.empty())
            m_inFlight.pop_front();
    }
    Q_EMIT changed();
    if (isIdle()) {
        if (m_history)
            m_history->saveIfNeeded();
        {
            std::lock_guard lock(m_backlogMutex);
            m_backlog.compact();
        }
        Q_EMIT idle();
    }
}

} // namespace stowly
