#pragma once

#include "copy/OffloadSummary.h"
#include "media/CardVolume.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>

#include <chrono>
#include <optional>

class QProcess;
class QTimer;

namespace stowly {

// The user's program run after a card's offload, with the offload as one JSON object on its
// standard input. Its output goes to the log. However it ends (an error, a crash, still running
// at its time limit, when it is killed) it changes nothing of the offload; only `ended` says
// so.
class AfterOffloadProgram : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds defaultLimit{60'000};

    // What the program reads: card, identity, destinations, counts, failures, start and end.
    static QByteArray input(const CardVolume& card, const OffloadSummary& summary,
                            const std::optional<QDateTime>& startedAt, const QDateTime& endedAt);

    // Starts `command`: a program and its arguments, split at spaces, double quotes keeping a
    // part whole; never run by a shell.
    AfterOffloadProgram(const QString& command, const QByteArray& input,
                        std::chrono::milliseconds limit, QObject* parent = nullptr);
    ~AfterOffloadProgram() override;

Q_SIGNALS:
    // Once; the reason when it failed.
    void ended(const std::optional<QString>& failure);

private:
    void finish(const std::optional<QString>& failure);

    QString m_program;
    QProcess* m_process;
    QTimer* m_limit;
    bool m_ended = false;
};

} // namespace stowly
