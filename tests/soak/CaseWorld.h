#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

namespace stowly::soak {

// How stowly-cli is to fail in one run.
struct FaultPlan {
    double probability = 0;
    QList<int> errnos;
    quint64 seed = 0;
    // The history's writes on the main thread may fail too, not only the copying.
    bool history = false;
    // The walk over the card fails instead of the copying.
    bool scan = false;
};

// What one run of stowly-cli did.
struct RunOutcome {
    // Exit status; -1 when it did not exit by itself.
    int status = -1;
    // It was still running when the kill was sent.
    bool killed = false;
    // It ended on a signal nobody sent.
    bool crashed = false;
    // It outlived the time allowed and was stopped.
    bool hung = false;
    qint64 milliseconds = 0;
    long faults = 0;
    QByteArray out;
    QByteArray err;
};

// One stowly-cli offload of some of the cards, as it is set going.
struct OffloadStart {
    QStringList cards;
    std::optional<qint64> killAfterMs;
    std::optional<FaultPlan> faults;
    // When set, the kill comes killAfterMs after the command first says one of these.
    QStringList killAfterSaying = {};
    // When set, this runs at the moment of the kill instead, and the command runs on to its end.
    std::function<void()> instead = {};
};

// One case's destination folder and stowly-cli home (settings, history), fresh for every case.
// Every card offloads into the one destination folder, and with a cascade on from there into
// the backup folder.
class CaseWorld {
public:
    // `share`, when given, is the destination as mounted and where its server keeps it.
    CaseWorld(const QString& program, const QString& faultModule, const QString& folder,
              const QStringList& cards, bool cascade = false,
              std::optional<std::pair<QString, QString>> share = std::nullopt);

    QString folder() const { return m_folder; }
    QString destination() const {
        return m_share ? m_share->first : m_folder + QStringLiteral("/dest");
    }
    // Where a path under the roots really is: on a share, on its server's disk.
    QString onDisk(const QString& path) const;
    QString backup() const { return m_folder + QStringLiteral("/backup"); }
    // Where every card file ends up: the destination, and the backup with a cascade.
    QStringList roots() const;
    QString historyFolder() const { return m_folder + QStringLiteral("/home/data/Stowly"); }
    QString backlog() const { return historyFolder() + QStringLiteral("/cascades.jsonl"); }

    // Every card in one command.
    RunOutcome offload(std::optional<qint64> killAfterMs, const std::optional<FaultPlan>& faults,
                       qint64 allowedMs) const;
    RunOutcome offload(const OffloadStart& start, qint64 allowedMs) const;
    // Each a command of its own, all started at the same moment.
    QList<RunOutcome> offloadAtOnce(const QList<OffloadStart>& starts, qint64 allowedMs) const;
    RunOutcome run(const QStringList& arguments, qint64 allowedMs) const;

private:
    struct Start {
        QStringList arguments;
        QProcessEnvironment environment;
        std::optional<qint64> killAfterMs;
        QString countFile;
        QStringList killAfterSaying;
        std::function<void()> instead;
    };

    Start offloadStart(const OffloadStart& start, const QString& countFile) const;
    QList<RunOutcome> startAll(const QList<Start>& starts, qint64 allowedMs) const;

    QString m_program;
    QString m_faultModule;
    QString m_folder;
    QStringList m_cards;
    bool m_cascade = false;
    std::optional<std::pair<QString, QString>> m_share;
    QProcessEnvironment m_environment;
};

} // namespace stowly::soak
