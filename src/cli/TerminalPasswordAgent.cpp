#include "cli/TerminalPasswordAgent.h"

#include "base/Log.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <unistd.h>

namespace stowly {

TerminalPasswordAgent::TerminalPasswordAgent() {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pkttyagent"));
    if (program.isEmpty() || !::isatty(STDIN_FILENO))
        return;
    m_agent = std::make_unique<QProcess>();
    m_agent->setProcessChannelMode(QProcess::ForwardedChannels);
    m_agent->setInputChannelMode(QProcess::ForwardedInputChannel);
    m_agent->start(program, {QStringLiteral("--process"),
                             QString::number(QCoreApplication::applicationPid()),
                             QStringLiteral("--fallback")});
    if (!m_agent->waitForStarted(5000)) {
        Log::info(Log::Category::app,
                  QStringLiteral("pkttyagent didn’t start: ") + m_agent->errorString());
        m_agent.reset();
    }
}

TerminalPasswordAgent::~TerminalPasswordAgent() {
    if (!m_agent)
        return;
    m_agent->terminate();
    if (!m_agent->waitForFinished(2000))
        m_agent->kill();
    m_agent->waitForFinished(1000);
}

bool TerminalPasswordAgent::isRunning() const {
    return m_agent && m_agent->state() == QProcess::Running;
}

} // namespace stowly
