#include "session/OffloadQueue.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

#include <algorithm>

namespace stowly {
namespace {

// The device of the file system a folder is (or would be) made on.
std::optional<dev_t> driveOf(const QString& folder) {
    QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    for (;;) {
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) == 0)
            return info.st_dev;
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return std::nullopt;
        path = parent;
    }
}

} // namespace

OffloadQueue::OffloadQueue(History* ledger, QObject* parent) : QObject(parent), m_history(ledger) {}

OffloadQueue::~OffloadQueue() {
    for (const Entry& entry : m_running)
        if (entry.session)
            entry.session->disconnect(this);
    for (const Entry& entry : m_waiting)
        if (entry.session)
            entry.session->disconnect(this);
}

QSet<dev_t> OffloadQueue::drivesOf(const OffloadDestinations& where) {
    QSet<dev_t> drives;
    for (const QString& folder : QStringList{where.main} + where.backups)
        if (const std::optional<dev_t> drive = driveOf(folder))
            drives.insert(*drive);
    return drives;
}

void OffloadQueue::setShareDrives(bool share) {
    if (share == m_shareDrives)
        return;
    m_shareDrives = share;
    startWhatCan();
}

void OffloadQueue::add(OffloadSession* session, const QList<PlannedFile>& plan,
                       const OffloadDestinations& where) {
    if (!session || session->phase() != OffloadSession::Phase::ready)
        return;
    const auto same = [session](const Entry& entry) { return entry.session == session; };
    if (std::any_of(m_waiting.cbegin(), m_waiting.cend(), same) ||
        std::any_of(m_running.cbegin(), m_running.cend(), same))
        return;
    m_waiting.append(Entry{session, plan, where, drivesOf(where)});
    connect(session, &QObject::destroyed, this, [this, session] { forget(session); });
    connect(session, &OffloadSession::finished, this, [this, session] { ended(session); });
    session->setWaiting(true, plan);
    startWhatCan();
    Q_EMIT changed();
}

bool OffloadQueue::overlaps(const Entry& entry, const QSet<dev_t>& busy) const {
    return !m_shareDrives && entry.drives.intersects(busy);
}

void OffloadQueue::startWhatCan() {
    QSet<dev_t> busy;
    for (const Entry& entry : m_running)
        busy.unite(entry.drives);
    QList<Entry> starting;
    for (auto it = m_waiting.begin(); it != m_waiting.end();) {
        if (!it->session) {
            it = m_waiting.erase(it);
            continue;
        }
        // A drive an earlier offload waits for stays its own: a later one never jumps the turn.
        const bool free = !overlaps(*it, busy);
        busy.unite(it->drives);
        if (!free) {
            ++it;
            continue;
        }
        starting.append(std::move(*it));
        it = m_waiting.erase(it);
    }
    for (Entry& entry : starting) {
        OffloadSession* session = entry.session;
        m_running.append(entry);
        session->setWaiting(false);
        session->start(entry.plan, entry.where, m_history, m_cascade);
    }
    if (!starting.isEmpty())
        Q_EMIT changed();
}

void OffloadQueue::ended(OffloadSession* session) {
    forget(session);
}

void OffloadQueue::forget(OffloadSession* session) {
    const auto same = [session](const Entry& entry) { return entry.session == session; };
    const qsizetype before = m_waiting.size() + m_running.size();
    m_waiting.removeIf(same);
    m_running.removeIf(same);
    // A session that is going away leaves null pointers behind.
    m_waiting.removeIf([](const Entry& entry) { return entry.session.isNull(); });
    m_running.removeIf([](const Entry& entry) { return entry.session.isNull(); });
    if (m_waiting.size() + m_running.size() == before)
        return;
    startWhatCan();
    Q_EMIT changed();
}

void OffloadQueue::cancel(OffloadSession* session) {
    for (qsizetype i = 0; i < m_waiting.size(); ++i)
        if (m_waiting[i].session == session) {
            m_waiting.removeAt(i);
            session->disconnect(this);
            session->setWaiting(false);
            startWhatCan();
            Q_EMIT changed();
            return;
        }
    if (session && session->isRunning())
        session->cancel();
}

void OffloadQueue::moveWaiting(qsizetype from, qsizetype to) {
    if (from < 0 || from >= m_waiting.size() || to < 0 || to >= m_waiting.size() || from == to)
        return;
    m_waiting.move(from, to);
    startWhatCan();
    Q_EMIT changed();
}

QList<OffloadSession*> OffloadQueue::waiting() const {
    QList<OffloadSession*> sessions;
    for (const Entry& entry : m_waiting)
        if (entry.session)
            sessions.append(entry.session);
    return sessions;
}

QList<OffloadSession*> OffloadQueue::running() const {
    QList<OffloadSession*> sessions;
    for (const Entry& entry : m_running)
        if (entry.session)
            sessions.append(entry.session);
    return sessions;
}

bool OffloadQueue::isWaiting(const OffloadSession* session) const {
    return std::any_of(m_waiting.cbegin(), m_waiting.cend(),
                       [session](const Entry& entry) { return entry.session == session; });
}

std::optional<OffloadQueue::Turn> OffloadQueue::waitsFor(const OffloadSession* session) const {
    const auto found = std::find_if(m_waiting.cbegin(), m_waiting.cend(),
                                    [session](const Entry& e) { return e.session == session; });
    if (found == m_waiting.cend())
        return std::nullopt;
    // The running offloads first, then the waiting ones ahead of it.
    QList<const Entry*> ahead;
    for (const Entry& entry : m_running)
        ahead.append(&entry);
    for (auto it = m_waiting.cbegin(); it != found; ++it)
        ahead.append(&*it);
    for (const Entry* other : ahead) {
        if (!other->session || !found->drives.intersects(other->drives))
            continue;
        for (const QString& folder : QStringList{found->where.main} + found->where.backups) {
            const std::optional<dev_t> drive = driveOf(folder);
            if (drive && other->drives.contains(*drive))
                return Turn{other->session, folder};
        }
    }
    return std::nullopt;
}

} // namespace stowly
