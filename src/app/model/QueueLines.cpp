#include "app/model/QueueLines.h"

#include "app/model/OffloadFormatting.h"
#include "devices/SpaceInfo.h"
#include "session/OffloadQueue.h"

#include <QCoreApplication>

namespace stowly {

namespace {

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(QueueLines)
};

// Until the run's first report, the totals come from its plan.
OffloadProgress progressOf(const OffloadSession& session) {
    OffloadProgress p = session.progress();
    if (p.filesTotal == 0 && session.plan()) {
        p.filesTotal = int(session.plan()->size());
        p.bytesTotal = session.newBytes();
    }
    return p;
}

QString runningLine(const OffloadSession& session, const QDateTime& now) {
    const OffloadProgress p = progressOf(session);
    return Words::tr("%1 · %2 of %3 files · %4 of %5 · %6")
        .arg(session.card().name)
        .arg(p.filesDone)
        .arg(p.filesTotal)
        .arg(SpaceInfo::formatBytes(p.bytesDone), SpaceInfo::formatBytes(p.bytesTotal),
             OffloadFormatting::timeLeft(p, session.startedAt(), now));
}

QString waitingLine(const OffloadSession& session) {
    const qsizetype files = session.newClips().size();
    return Words::tr("%1 · waiting · %2 · %3")
        .arg(session.card().name,
             files == 1 ? Words::tr("1 file") : Words::tr("%n files", nullptr, int(files)),
             SpaceInfo::formatBytes(session.newBytes()));
}

} // namespace

QList<QueueLine> QueueLines::lines(const OffloadQueue& queue, const QDateTime& now) {
    QList<QueueLine> lines;
    for (const OffloadSession* session : queue.running())
        lines.append(
            {session->card().id(), session->card().name, false, runningLine(*session, now)});
    for (const OffloadSession* session : queue.waiting())
        lines.append({session->card().id(), session->card().name, true, waitingLine(*session)});
    return lines;
}

QString QueueLines::total(const OffloadQueue& queue) {
    if (queue.isEmpty())
        return {};
    qint64 done = 0;
    qint64 total = 0;
    for (const OffloadSession* session : queue.running()) {
        done += progressOf(*session).bytesDone;
        total += progressOf(*session).bytesTotal;
    }
    for (const OffloadSession* session : queue.waiting())
        total += session->newBytes();
    QStringList parts;
    if (const qsizetype running = queue.running().size())
        parts.append(Words::tr("%1 copying").arg(running));
    if (const qsizetype waiting = queue.waiting().size())
        parts.append(Words::tr("%1 waiting").arg(waiting));
    parts.append(
        Words::tr("%1 of %2").arg(SpaceInfo::formatBytes(done), SpaceInfo::formatBytes(total)));
    return parts.join(QStringLiteral(" · "));
}

QString QueueLines::waitingFor(const QString& cardName, const QString& driveName) {
    return Words::tr("Waiting for “%1” to finish on %2").arg(cardName, driveName);
}

QString QueueLines::waitingForTurn() {
    return Words::tr("Waiting for its turn");
}

QString QueueLines::waitingDetail(qsizetype ahead) {
    return ahead <= 0 ? Words::tr("Waiting · next in line")
                      : Words::tr("Waiting · %1 ahead").arg(ahead);
}

QString QueueLines::copyingDetail(const OffloadSession& session) {
    const OffloadProgress p = progressOf(session);
    return Words::tr("Copying · %1 of %2 files").arg(p.filesDone).arg(p.filesTotal);
}

} // namespace stowly
