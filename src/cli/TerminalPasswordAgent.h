#pragma once

#include <QProcess>

#include <memory>

namespace stowly {

// polkit's text agent, answering for this process on its terminal while the object lives, so
// that the system can ask for a password where erasing, ejecting or mounting needs one. Does
// nothing where there is no terminal or no agent program.
class TerminalPasswordAgent {
public:
    TerminalPasswordAgent();
    ~TerminalPasswordAgent();
    TerminalPasswordAgent(const TerminalPasswordAgent&) = delete;
    TerminalPasswordAgent& operator=(const TerminalPasswordAgent&) = delete;

    bool isRunning() const;

private:
    std::unique_ptr<QProcess> m_agent;
};

} // namespace stowly
