#include "app/model/QueueBoard.h"

#include "app/model/CardDesk.h"
#include "devices/DriveName.h"
#include "session/OffloadQueue.h"

#include <algorithm>

namespace stowly {

QueueBoard::QueueBoard(OffloadQueue& queue, DeskOf deskOf, const VolumeFacts& volumes,
                       QObject* parent)
    : QObject(parent), m_queue(queue), m_deskOf(std::move(deskOf)), m_volumes(volumes) {
    connect(&m_queue, &OffloadQueue::changed, this, &QueueBoard::changed);
}

QList<QueueLine> QueueBoard::lines() const {
    return QueueLines::lines(m_queue, QDateTime::currentDateTime());
}

QString QueueBoard::total() const {
    return QueueLines::total(m_queue);
}

std::optional<QString> QueueBoard::waitingText(const CardDesk& desk) const {
    if (!desk.isWaiting())
        return std::nullopt;
    const auto turn = m_queue.waitsFor(desk.session());
    if (!turn || !turn->session)
        return QueueLines::waitingForTurn();
    return QueueLines::waitingFor(turn->session->card().name, driveNameOf(turn->folder, m_volumes));
}

void QueueBoard::moveLine(int line, int to) {
    const int running = int(m_queue.running().size());
    const int from = line - running;
    // Waiting offloads only move among themselves.
    int before = std::max(to - running, 0);
    if (before > from)
        --before;
    m_queue.moveWaiting(from, before);
}

void QueueBoard::cancel(const QString& cardID) {
    if (CardDesk* desk = m_deskOf(cardID); desk && desk->session())
        m_queue.cancel(desk->session());
}

} // namespace stowly
