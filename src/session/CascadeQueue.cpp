#include "session/CascadeQueue.h"

#include "base/Log.h"
#include "history/History.h"
#include "history/HistoryIndex.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>

#include <chrono>
#include <linux/ioprio.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace stowly {
namespace {

// One run of one card at one backup: the copies that share an ASC MHL generation there.
QString generationKey(const CascadeItem& item, const QString& root) {
    return item.runStartedAt.toString(Qt::ISODateWithMs) + u'|' + item.cardIdentity() + u'|' + root;
}

GenerationWriter::File generationFile(const CascadeItem& item, const QString& root,
                                      const QDateTime& hashedAt) {
    const QString target = QDir(root).filePath(item.relativePath);
    return {item.relativePath, item.first.size, QFileInfo(target).lastModified().toUTC(),
            item.xxh128,       hashedAt,        item.hashes};
}

qint64 steadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

CascadeQueue::CascadeQueue(History* history, QString backlogPath, QObject* parent)
    : QObject(parent), m_history(history), m_backlog(std::move(backlogPath)),
      m_runJournal(history ? history->journal()->startRun() : nullptr),
      m_prover([this](std::stop_token stop) { proveAll(stop); }),
      m_worker([this](std::stop_token stop) { work(stop); }) {}

CascadeQueue::~CascadeQueue() {
    m_worker.request_stop();
    m_prover.request_stop();
    m_wake.notify_all();
    for (std::jthread* thread : {&m_worker, &m_prover})
        if (thread->joinable())
            thread->join();
}

void CascadeQueue::resume() {
    CascadeBacklog::Contents contents;
    {
        std::lock_guard lock(m_backlogMutex);
        // Another program at work on the backlog makes what it holds; taken up here too, each
        // copy would be made twice.
        if (!m_backlog.claim()) {
            Log::info(Log::Category::app,
                      QStringLiteral("The cascade backlog %1 is taken up by another program")
                          .arg(m_backlog.path()));
            return;
        }
        contents = m_backlog.load();
    }
    if (contents.error)
        Log::info(Log::Category::app, QStringLiteral("Couldn’t read the cascade backlog %1: %2")
                                          .arg(m_backlog.path(), *contents.error));
    if (contents.damagedLines > 0)
        Log::info(Log::Category::app, QStringLiteral("The cascade backlog had %1 unreadable lines")
                                          .arg(contents.damagedLines));
    // A program still at work makes its own copies; taken up here too, each would be made twice.
    // They are taken up at a start after it ends.
    if (m_history) {
        const auto alive = [&](const CascadeItem& item) {
            return !item.owner.isEmpty() && m_history->journal()->isRunning(item.owner);
        };
        contents.items.removeIf(alive);
        contents.proved.removeIf(alive);
    }
    settleWithHistory(contents);
    if (contents.items.isEmpty()) {
        std::lock_guard lock(m_backlogMutex);
        m_backlog.compact();
    }
    {
        std::lock_guard lock(m_mutex);
        for (const CascadeItem& item : contents.items) {
            queue(item);
        }
        // Copies made before the stop still belong in their run's generation.
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (const CascadeItem& reached : contents.proved)
            if (reached.writesAscMhl()) {
                Generation& generation = m_generations[generationKey(reached, reached.roots[0])];
                generation.item = reached;
                generation.files.append(generationFile(reached, reached.roots[0], now));
            }
    }
    // A generation whose last copy was made just before the stop is written now.
    for (const CascadeItem& reached : contents.proved)
        if (reached.writesAscMhl())
            for (const QString& failure : closeGenerations(reached, reached.roots))
                m_manifestFailures << failure;
    if (!contents.items.isEmpty()) {
        Log::info(Log::Category::app,
                  QStringLiteral("Resuming %1 cascaded copies").arg(contents.items.size()));
        m_wake.notify_all();
        Q_EMIT changed();
    } else {
        // Nothing is left to make, so no idle moment will tidy the backlog away.
        std::lock_guard lock(m_backlogMutex);
        m_backlog.compact();
    }
}

void CascadeQueue::queue(const CascadeItem& item) {
    m_items.push_back(item);
    m_bytesTotal += item.first.size * item.roots.size();
    if (item.writesAscMhl())
        for (const QString& root : item.roots)
            ++m_open[generationKey(item, root)];
}

void CascadeQueue::settleWithHistory(CascadeBacklog::Contents& contents) {
    if (!m_history || contents.items.isEmpty())
        return;
    // A copy proved just before the stop may be in the history (its journal was settled at the
    // start) and not yet out of the backlog: made again, it would be recorded twice.
    const HistoryIndex history = m_history->entriesByKey();
    // A history that could not be read knows no first copy; its backlog waits.
    const bool knowsFirstCopies = !m_history->saveBlocked();
    QList<CascadeItem> unremembered;
    std::lock_guard lock(m_backlogMutex);
    for (CascadeItem& item : contents.items) {
        const QList<HistoryEntry> known = history.findAll(item.first.sourceKey);
        const auto recordedAt = [&](const QString& path) {
            return std::any_of(known.cbegin(), known.cend(),
                               [&](const auto& entry) { return entry.destinationPath == path; });
        };
        if (knowsFirstCopies && !recordedAt(item.first.destinationPath)) {
            unremembered.append(item);
            continue;
        }
        const CascadeItem before = item;
        for (const QString& root : before.roots) {
            if (!recordedAt(QDir(root).filePath(item.relativePath)))
                continue;
            item.roots.removeAll(root);
            m_backlog.done(before, root, true);
            CascadeItem reached = before;
            reached.roots = {root};
            contents.proved.append(reached);
        }
    }
    // Its first copy's record was lost (the history failed as it was made): its backups are
    // made with it at the next offload, not from a copy nobody counts on.
    for (const CascadeItem& item : unremembered) {
        leaveToNextOffload(item, "the history doesn’t know that copy");
        contents.items.removeOne(item);
    }
    contents.items.removeIf([](const CascadeItem& item) { return item.roots.isEmpty(); });
}

std::optional<QString> CascadeQueue::add(const CascadeItem& item) {
    std::optional<QString> unkept = keep(item);
    take(item);
    return unkept;
}

std::optional<QString> CascadeQueue::keep(const CascadeItem& item) {
    std::optional<QString> unkept;
    CascadeItem owned = item;
    if (m_runJournal)
        owned.owner = m_runJournal->id();
    {
        std::lock_guard lock(m_backlogMutex);
        unkept = m_backlog.add(owned);
    }
    if (unkept)
        Log::info(Log::Category::app,
                  QStringLiteral("Couldn’t keep a cascaded copy in the backlog: ") + *unkept);
    return unkept;
}

void CascadeQueue::take(const CascadeItem& item) {
    {
        std::lock_guard lock(m_mutex);
        queue(item);
    }
    m_wake.notify_all();
    Q_EMIT changed();
}

void CascadeQueue::drop(const CascadeItem& item) {
    std::lock_guard lock(m_backlogMutex);
    leaveToNextOffload(item, "the history couldn’t keep that copy");
}

void CascadeQueue::leaveToNextOffload(const CascadeItem& item, const char* why) {
    Log::info(Log::Category::app, QStringLiteral("Left the backups of %1 to the next offload: %2")
                                      .arg(item.first.destinationPath, QString::fromUtf8(why)));
    for (const QString& root : item.roots)
        m_backlog.done(item, root, false);
}

bool CascadeQueue::isIdle() const {
    std::lock_guard lock(m_mutex);
    return m_items.empty() && m_inFlight.empty();
}

qsizetype CascadeQueue::pendingFiles(const std::optional<QString>& card) const {
    std::lock_guard lock(m_mutex);
    const auto counts = [&](const CascadeItem& item) {
        return !card || item.cardIdentity() == *card;
    };
    return std::count_if(m_items.cbegin(), m_items.cend(), counts) +
           std::count_if(m_inFlight.cbegin(), m_inFlight.cend(), counts);
}

QStringList CascadeQueue::pendingRoots(const QString& card) const {
    std::lock_guard lock(m_mutex);
    QStringList roots;
    for (const auto* list : {&m_items, &m_inFlight})
        for (const CascadeItem& item : *list)
            if (item.cardIdentity() == card)
                for (const QString& root : item.roots)
                    if (!roots.contains(root))
                        roots << root;
    return roots;
}

QSet<QString> CascadeQueue::pending() const {
    QSet<QString> pending;
    // One that is gone since is made again.
    for (auto made = m_made.cbegin(); made != m_made.cend(); ++made)
        if (QFileInfo::exists(made.value()))
            pending.insert(made.key());
    const auto note = [&](const CascadeItem& item) {
        for (const QString& root : item.roots)
            pending.insert(item.first.sourceKey + u'\0' + root);
    };
    {
        std::lock_guard lock(m_mutex);
        for (const auto* list : {&m_items, &m_inFlight})
            for (const CascadeItem& item : *list)
                note(item);
    }
    // Another program may be at work on the same backlog.
    std::lock_guard lock(m_backlogMutex);
    for (const CascadeItem& item : m_backlog.load().items)
        note(item);
    return pending;
}

CascadeQueue::Progress CascadeQueue::progress() const {
    std::lock_guard lock(m_mutex);
    Progress progress;
    progress.filesLeft = qsizetype(m_items.size() + m_inFlight.size());
    progress.bytesTotal = m_bytesTotal;
    progress.bytesDone = std::min(m_bytesDone.load(), m_bytesTotal);
    return progress;
}

void CascadeQueue::bytesCopied(qint64 count, qsizetype copies) {
    m_bytesDone += count * copies;
    // Told a few times a second: a view redraws no faster, and the main thread stays free.
    const qint64 now = steadyMs();
    qint64 last = m_lastChangeMs.load();
    if (now - last >= 250 && m_lastChangeMs.compare_exchange_strong(last, now))
        QMetaObject::invokeMethod(this, &CascadeQueue::changed, Qt::QueuedConnection);
}

namespace {

// The card's own copies come first: a cascade is not what holds the card in its reader. Its
// reads of the first copy wait while that drive is busy with the card's run (where the drive's
// scheduler heeds it); the scheduler's aging keeps them from waiting for ever.
void yieldToRuns() {
    ::setpriority(PRIO_PROCESS, pid_t(::gettid()), 19);
    ::syscall(SYS_ioprio_set, IOPRIO_WHO_PROCESS, ::gettid(),
              IOPRIO_PRIO_VALUE(IOPRIO_CLASS_IDLE, 0));
}

} // namespace

void CascadeQueue::work(std::stop_token stop) {
    yieldToRuns();
    CopyBuffers buffers(Copier::chunkSize);
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
        const qsizetype copies = item.roots.size();
        auto cascade = std::make_unique<CascadeCopy>(item, stop, m_runJournal.get());
        cascade->write([this, copies](qint64 count) { bytesCopied(count, copies); }, buffers);
        // Proved on the other thread while the next file is written: the backup's drive
        // never waits for a read-back.
        std::unique_lock lock(m_mutex);
        if (!m_wake.wait(lock, stop, [this] { return !m_proving; }))
            return;
        m_proving = std::move(cascade);
        m_wake.notify_all();
    }
}

void CascadeQueue::proveAll(std::stop_token stop) {
    yieldToRuns();
    CopyBufferPool buffers(Copier::chunkSize);
    for (;;) {
        std::unique_ptr<CascadeCopy> cascade;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait(lock, stop, [this] { return m_proving != nullptr; }))
                return;
            cascade = std::move(m_proving);
        }
        m_wake.notify_all();
        conclude(cascade->item(), cascade->prove(buffers));
    }
}

void CascadeQueue::conclude(const CascadeItem& item, const QList<CascadeResult>& results) {
    QList<Outcome> outcomes;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const CascadeResult& result : results) {
        // A copy cut short by the stop is made at the next start.
        if (!result.result && result.result.failure().kind == CopyFailure::Kind::cancelled)
            continue;
        Outcome outcome{result.root, std::nullopt, std::nullopt};
        if (result.result) {
            outcome.entry = item.entryAt(result.target, result.when.isValid() ? result.when : now);
            // Noted here, so the main thread never waits for the disk; once it is, the backlog
            // may let the backup go.
            if (m_runJournal)
                outcome.unjournaled = m_runJournal->recorded(*outcome.entry);
        } else {
            outcome.failure = result.result.failure();
        }
        {
            std::lock_guard lock(m_backlogMutex);
            m_backlog.done(item, result.root, result.result.ok());
        }
        outcomes.append(outcome);
    }
    const QStringList manifestFailures = settle(item, outcomes);
    QMetaObject::invokeMethod(
        this,
        [this, item, outcomes, manifestFailures] { finished(item, outcomes, manifestFailures); },
        Qt::QueuedConnection);
}

QStringList CascadeQueue::settle(const CascadeItem& item, const QList<Outcome>& outcomes) {
    if (!item.writesAscMhl())
        return {};
    QStringList closing;
    {
        std::lock_guard lock(m_mutex);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (const Outcome& outcome : outcomes) {
            const QString key = generationKey(item, outcome.root);
            if (outcome.entry) {
                Generation& generation = m_generations[key];
                generation.item = item;
                generation.files.append(generationFile(item, outcome.root, now));
            }
            if (--m_open[key] <= 0) {
                m_open.remove(key);
                closing << outcome.root;
            }
        }
    }
    return closeGenerations(item, closing);
}

QStringList CascadeQueue::closeGenerations(const CascadeItem& item, const QStringList& roots) {
    QStringList failures;
    for (const QString& root : roots) {
        std::optional<Generation> due;
        {
            std::lock_guard lock(m_mutex);
            const QString key = generationKey(item, root);
            if (m_open.contains(key) || !m_generations.contains(key))
                continue;
            due = m_generations.take(key);
        }
        if (due->files.isEmpty())
            continue;
        const CascadeItem& from = due->item;
        GenerationWriter::Info info;
        info.startedAt = from.runStartedAt;
        info.process = MhlManifest::Process::transfer;
        info.comment = QStringLiteral("Card “%1” (%2), copied from its first copy in %3")
                           .arg(from.first.cardName, from.cardIdentity(), from.firstRoot());
        if (const std::optional<QString> error = GenerationWriter::write(root, due->files, info)) {
            failures << QCoreApplication::translate("CascadeQueue",
                                                    "The ASC MHL history in %1 wasn’t written: %2")
                            .arg(root, *error);
            continue;
        }
        std::lock_guard lock(m_backlogMutex);
        m_backlog.generationWritten(from, root);
    }
    return failures;
}

void CascadeQueue::finished(const CascadeItem& item, const QList<Outcome>& outcomes,
                            const QStringList& manifestFailures) {
    for (const Outcome& outcome : outcomes) {
        if (outcome.entry) {
            if (m_runJournal)
                m_runJournal->taken();
            if (m_history && !m_history->addRecorded(*outcome.entry, !outcome.unjournaled)) {
                // Said, never passed over: a copy nobody remembers is made again later.
                if (!m_historyNotSaved)
                    m_historyNotSaved = outcome.unjournaled.value_or(
                        m_history->lastError().value_or(QStringLiteral("unknown error")));
                Log::info(Log::Category::app,
                          QStringLiteral("The history couldn’t keep the cascaded copy ") +
                              outcome.entry->destinationPath);
                continue;
            }
            m_made.insert(item.first.sourceKey + u'\0' + outcome.root,
                          outcome.entry->destinationPath);
            Q_EMIT recorded(*outcome.entry);
        } else if (outcome.failure) {
            m_failures.append({item, outcome.root, *outcome.failure});
            Log::info(Log::Category::app, QStringLiteral("Cascaded copy of %1 to %2 failed: %3")
                                              .arg(item.first.destinationPath, outcome.root,
                                                   outcome.failure->description));
            Q_EMIT failed(m_failures.last());
        }
    }
    for (const QString& failure : manifestFailures) {
        m_manifestFailures << failure;
        Log::info(Log::Category::app, failure);
    }
    {
        std::lock_guard lock(m_mutex);
        if (!m_inFlight.empty())
            m_inFlight.pop_front();
        if (m_items.empty() && m_inFlight.empty()) {
            m_bytesTotal = 0;
            m_bytesDone = 0;
        }
    }
    Q_EMIT changed();
    const QString card = item.cardIdentity();
    if (pendingFiles(card) == 0)
        Q_EMIT cardFinished(card);
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
