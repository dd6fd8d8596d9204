#pragma once

#include "app/model/QueueLines.h"

#include <QObject>

#include <functional>
#include <optional>

namespace stowly {

class CardDesk;
class OffloadQueue;
class VolumeFacts;

// The offload queue as the window's offload bar shows and orders it: a line per offload,
// running ones first, the total, why a card waits, and the commands on a line.
class QueueBoard : public QObject {
    Q_OBJECT
public:
    using DeskOf = std::function<CardDesk*(const QString& cardID)>;
    // The queue and the volumes must outlive the board.
    QueueBoard(OffloadQueue& queue, DeskOf deskOf, const VolumeFacts& volumes,
               QObject* parent = nullptr);

    QList<QueueLine> lines() const;
    QString total() const;
    // Why the desk's offload waits ("Waiting for “A7SIII” to finish on Footage SSD"); none
    // when it does not.
    std::optional<QString> waitingText(const CardDesk& desk) const;
    // Moves the waiting offload on line `line` before the line now at `to` (the line count: the
    // end). Running offloads keep their lines.
    void moveLine(int line, int to);
    // Stops the card's running offload, or takes its waiting one out of the queue.
    void cancel(const QString& cardID);

Q_SIGNALS:
    // An offload was queued, started, moved, cancelled or ended.
    void changed();

private:
    OffloadQueue& m_queue;
    DeskOf m_deskOf;
    const VolumeFacts& m_volumes;
};

} // namespace stowly
