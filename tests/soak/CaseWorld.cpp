#include "CaseWorld.h"

#include "support/FaultPreload.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <vector>

namespace stowly::soak {

CaseWorld::CaseWorld(const QString& program, const QString& faultModule, const QString& folder,
                     const QStringList& cards, bool cascade,
                     std::optional<std::pair<QString, QString>> share)
    : m_program(program), m_faultModule(faultModule), m_folder(folder), m_cards(cards),
      m_cascade(cascade), m_share(std::move(share)) {
    for (const QString& root : roots())
        QDir().mkpath(root);
    const QString home = m_folder + QStringLiteral("/home");
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert("HOME", home);
    for (const QString kind : {"data", "config", "state", "cache"})
        m_environment.insert("XDG_" + kind.toUpper() + "_HOME", home + u'/' + kind);
    m_environment.remove("LD_PRELOAD");
}

QString CaseWorld::onDisk(const QString& path) const {
    if (m_share && (path == m_share->first || path.startsWith(m_share->first + u'/')))
        return m_share->second + path.mid(m_share->first.size());
    return path;
}

QStringList CaseWorld::roots() const {
    return m_cascade ? QStringList{destination(), backup()} : QStringList{destination()};
}

CaseWorld::Start CaseWorld::offloadStart(const OffloadStart& start,
                                         const QString& countFile) const {
    Start made{QStringList{"offload"} + start.cards +
                   QStringList{"--to", destination(), "--project", "Soak"},
               m_environment,
               start.killAfterMs,
               QString(),
               start.killAfterSaying,
               start.instead};
    if (m_cascade)
        made.arguments << "--cascade" << backup();
    // A backup copy that failed is made again only when asked for, as with --also: a run left
    // alone asks, as a person would after a failure.
    if (m_cascade && !start.faults && !start.killAfterMs)
        made.arguments << "--reoffload"
                       << "missing";
    if (!start.faults)
        return made;
    const FaultPlan& faults = *start.faults;
    QProcessEnvironment& environment = made.environment;
    made.countFile = countFile;
    QFile::remove(countFile);
    QStringList errnos;
    for (int code : faults.errnos)
        errnos << QString::number(code);
    environment.insert("LD_PRELOAD",
                       test::faultPreload({m_faultModule, "/usr/lib/fiu/fiu_posix_preload.so"}));
    environment.insert("SOAK_FAULT_PROGRAM", QFileInfo(m_program).fileName());
    environment.insert("SOAK_FAULT_PROBABILITY", QString::number(faults.probability, 'g', 17));
    environment.insert("SOAK_FAULT_ERRNOS", errnos.join(u','));
    environment.insert("SOAK_FAULT_SEED", QString::number(faults.seed));
    if (faults.scan) {
        environment.insert("SOAK_FAULT_POINTS", "scan");
        environment.insert("SOAK_FAULT_UNDER", start.cards.join(u':'));
        environment.insert("SOAK_FAULT_START", start.cards.first());
    } else {
        environment.insert("SOAK_FAULT_UNDER",
                           (start.cards + roots() + QStringList{historyFolder()}).join(u':'));
        environment.insert("SOAK_FAULT_START", destination());
        environment.insert("SOAK_FAULT_MAIN", faults.history ? "1" : "0");
    }
    environment.insert("SOAK_FAULT_COUNT_FILE", countFile);
    return made;
}

RunOutcome CaseWorld::offload(std::optional<qint64> killAfterMs,
                              const std::optional<FaultPlan>& faults, qint64 allowedMs) const {
    return offload({m_cards, killAfterMs, faults}, allowedMs);
}

RunOutcome CaseWorld::offload(const OffloadStart& start, qint64 allowedMs) const {
    return startAll({offloadStart(start, m_folder + "/faults")}, allowedMs).first();
}

QList<RunOutcome> CaseWorld::offloadAtOnce(const QList<OffloadStart>& starts,
                                           qint64 allowedMs) const {
    QList<Start> made;
    for (const OffloadStart& start : starts)
        made << offloadStart(start, m_folder + "/faults-" + QString::number(made.size() + 1));
    return startAll(made, allowedMs);
}

RunOutcome CaseWorld::run(const QStringList& arguments, qint64 allowedMs) const {
    return startAll({Start{arguments, m_environment, std::nullopt, QString(), {}, {}}}, allowedMs)
        .first();
}

QList<RunOutcome> CaseWorld::startAll(const QList<Start>& starts, qint64 allowedMs) const {
    QList<RunOutcome> outcomes(starts.size());
    std::vector<std::unique_ptr<QProcess>> processes;
    std::vector<bool> started, stopped(size_t(starts.size()), false),
        insteadDone(size_t(starts.size()), false);
    // When each is killed; unknown while it has not said what its kill waits for.
    std::vector<std::optional<qint64>> killAt;
    for (const Start& start : starts)
        killAt.push_back(start.killAfterSaying.isEmpty() ? start.killAfterMs : std::nullopt);
    QElapsedTimer clock;
    clock.start();
    for (const Start& start : starts) {
        processes.push_back(std::make_unique<QProcess>());
        QProcess& process = *processes.back();
        process.setProcessEnvironment(start.environment);
        process.setProgram(m_program);
        process.setArguments(start.arguments);
        process.start();
    }
    for (qsizetype i = 0; i < starts.size(); ++i) {
        QProcess& process = *processes[size_t(i)];
        started.push_back(process.waitForStarted(10000));
        if (started.back()) {
            process.closeWriteChannel();
        } else {
            outcomes[i].crashed = true;
            outcomes[i].err = process.errorString().toUtf8();
        }
    }
    // Each runs until it ends or its kill (else the time allowed) comes. Several take turns in
    // short waits, which also keep their output flowing.
    for (;;) {
        qsizetype alive = 0;
        for (const auto& process : processes)
            alive += process->state() != QProcess::NotRunning;
        if (alive == 0)
            break;
        for (qsizetype i = 0; i < starts.size(); ++i) {
            QProcess& process = *processes[size_t(i)];
            if (process.state() == QProcess::NotRunning)
                continue;
            outcomes[i].err += process.readAllStandardError();
            const bool listening = starts[i].killAfterMs && !killAt[size_t(i)];
            const QString said = QString::fromUtf8(outcomes[i].err);
            if (listening &&
                std::any_of(starts[i].killAfterSaying.cbegin(), starts[i].killAfterSaying.cend(),
                            [&](const QString& text) { return said.contains(text); }))
                killAt[size_t(i)] = clock.elapsed() + *starts[i].killAfterMs;
            const qint64 left = killAt[size_t(i)].value_or(allowedMs) - clock.elapsed();
            const qint64 wait = alive == 1 && !listening ? left : std::min<qint64>(left, 2);
            if (process.waitForFinished(int(std::max<qint64>(wait, 1))) ||
                process.state() == QProcess::NotRunning) {
                outcomes[i].milliseconds = clock.elapsed();
            } else if (wait >= left && starts[i].instead && !insteadDone[size_t(i)] &&
                       killAt[size_t(i)]) {
                starts[i].instead();
                // The command goes on, within the time allowed.
                insteadDone[size_t(i)] = true;
                killAt[size_t(i)].reset();
            } else if (wait >= left) {
                stopped[size_t(i)] = true;
                process.kill();
                process.waitForFinished(-1);
                outcomes[i].milliseconds = clock.elapsed();
            }
        }
    }
    for (qsizetype i = 0; i < starts.size(); ++i) {
        if (!started[size_t(i)])
            continue;
        QProcess& process = *processes[size_t(i)];
        RunOutcome& outcome = outcomes[i];
        if (process.exitStatus() == QProcess::CrashExit) {
            // Ended by the kill it was sent, unless it had exited just before the kill arrived.
            if (!stopped[size_t(i)])
                outcome.crashed = true;
            else if (killAt[size_t(i)])
                outcome.killed = true;
            else
                outcome.hung = true;
        } else {
            outcome.status = process.exitCode();
        }
        outcome.out = process.readAllStandardOutput();
        outcome.err += process.readAllStandardError();
        QFile counted(starts[i].countFile);
        if (!starts[i].countFile.isEmpty() && counted.open(QIODevice::ReadOnly))
            outcome.faults = counted.readAll().trimmed().toLong();
    }
    return outcomes;
}

} // namespace stowly::soak
