#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace stowly {

class OffloadQueue;
class OffloadSession;

// One offload in the queue as the offload bar lists it.
struct QueueLine {
    QString cardID;
    QString cardName;
    bool isWaiting = false;
    // "A7SIII · 5 of 12 files · 3.5 MB of 5.2 MB · About 2 min left", or for a waiting one
    // "B_CARD · waiting · 12 files · 5.2 MB".
    QString text;
    friend bool operator==(const QueueLine&, const QueueLine&) = default;
};

// The words of the offload queue: a line per offload, running ones first, the total, and why a
// waiting offload waits. Shared by the window and the command line.
namespace QueueLines {
QList<QueueLine> lines(const OffloadQueue& queue, const QDateTime& now);
// "2 copying · 1 waiting · 3.5 MB of 15.6 MB"; empty when the queue is.
QString total(const OffloadQueue& queue);
// "Waiting for “A7SIII” to finish on Footage SSD"
QString waitingFor(const QString& cardName, const QString& driveName);
// "Waiting for its turn", while the queue is about to start it.
QString waitingForTurn();
// The card row of a waiting offload: "Waiting · next in line", "Waiting · 2 ahead".
QString waitingDetail(qsizetype ahead);
// The card row of a running offload: "Copying · 5 of 12 files".
QString copyingDetail(const OffloadSession& session);
} // namespace QueueLines

} // namespace stowly
