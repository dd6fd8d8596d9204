#include "CaseWorld.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace stowly::soak {

CaseWorld::CaseWorld(const QString& program, const QString& faultModule, const QString& folder,
                     const QString& card)
    : m_program(program), m_faultModule(faultModule), m_folder(folder), m_card(card) {
    QDir().mkpath(destination());
    const QString home = m_folder + QStringLiteral("/home");
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert("HOME", home);
    for (const QString kind : {"data", "config", "state", "cache"})
        m_environment.insert("XDG_" + kind.toUpper() + "_HOME", home + u'/' + kind);
    m_environment.remove("LD_PRELOAD");
}

RunOutcome CaseWorld::offload(std::optional<qint64> killAfterMs,
                              const std::optional<FaultPlan>& faults, qint64 allowedMs) const {
    const QStringList arguments{"offload", m_card, "--to", destination(), "--project", "Soak"};
    if (!faults)
        return start(arguments, m_environment, killAfterMs, allowedMs);

    QProcessEnvironment environment = m_environment;
    const QString countFile = m_folder + QStringLiteral("/faults");
    QFile::remove(countFile);
    QStringList errnos;
    for (int code : faults->errnos)
        errnos << QString::number(code);
    environment.insert("LD_PRELOAD",
                       m_faultModule + QStringLiteral(" /usr/lib/fiu/fiu_posix_preload.so"));
    environment.insert("SOAK_FAULT_PROGRAM", QFileInfo(m_program).fileName());
    environment.insert("SOAK_FAULT_PROBABILITY", QString::number(faults->probability, 'g', 17));
    environment.insert("SOAK_FAULT_ERRNOS", errnos.join(u','));
    environment.insert("SOAK_FAULT_SEED", QString::number(faults->seed));
    if (faults->scan) {
        environment.insert("SOAK_FAULT_POINTS", "scan");
        environment.insert("SOAK_FAULT_UNDER", m_card);
        environment.insert("SOAK_FAULT_START", m_card);
    } else {
        environment.insert("SOAK_FAULT_UNDER",
                           m_card + u':' + destination() + u':' + historyFolder());
        environment.insert("SOAK_FAULT_START", destination());
        environment.insert("SOAK_FAULT_MAIN", faults->history ? "1" : "0");
    }
    environment.insert("SOAK_FAULT_COUNT_FILE", countFile);
    RunOutcome outcome = start(arguments, environment, killAfterMs, allowedMs);
    QFile counted(countFile);
    if (counted.open(QIODevice::ReadOnly))
        outcome.faults = counted.readAll().trimmed().toLong();
    return outcome;
}

RunOutcome CaseWorld::run(const QStringList& arguments, qint64 allowedMs) const {
    return start(arguments, m_environment, std::nullopt, allowedMs);
}

RunOutcome CaseWorld::start(const QStringList& arguments, const QProcessEnvironment& environment,
                            std::optional<qint64> killAfterMs, qint64 allowedMs) const {
    RunOutcome outcome;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProgram(m_program);
    process.setArguments(arguments);
    QElapsedTimer clock;
    clock.start();
    process.start();
    if (!process.waitForStarted(10000)) {
        outcome.crashed = true;
        outcome.err = process.errorString().toUtf8();
        return outcome;
    }
    process.closeWriteChannel();
    const qint64 waitMs = killAfterMs ? *killAfterMs : allowedMs;
    const bool stopped = !process.waitForFinished(int(std::max<qint64>(waitMs, 1))) &&
                         process.state() != QProcess::NotRunning;
    if (stopped) {
        process.kill();
        process.waitForFinished(-1);
    }
    if (process.exitStatus() == QProcess::CrashExit) {
        // Ended by the kill it was sent, unless it had exited just before the kill arrived.
        if (!stopped)
            outcome.crashed = true;
        else if (killAfterMs)
            outcome.killed = true;
        else
            outcome.hung = true;
    } else {
        outcome.status = process.exitCode();
    }
    outcome.milliseconds = clock.elapsed();
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
    return outcome;
}

} // namespace stowly::soak
