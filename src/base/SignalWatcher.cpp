#include "base/SignalWatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace stowly {
namespace {

int pipeEnds[2] = {-1, -1};
constexpr int watchedSignals[] = {SIGINT, SIGTERM};

void onSignal(int number) {
    const int savedErrno = errno;
    const char byte = char(number);
    // A full pipe already holds an unread interrupt; losing this byte loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

void SignalWatcher::start() {
    if (m_notifier || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatcher::readPipe);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : watchedSignals)
        ::sigaction(number, &action, nullptr);
}

SignalWatcher::~SignalWatcher() {
    if (!m_notifier)
        return;
    for (const int number : watchedSignals)
        ::signal(number, SIG_DFL);
    delete m_notifier;
    for (int& end : pipeEnds) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

void SignalWatcher::readPipe() {
    char bytes[16];
    ssize_t count = 0;
    while ((count = ::read(pipeEnds[0], bytes, sizeof bytes)) > 0) {
        for (ssize_t i = 0; i < count; ++i) {
            m_interrupted = true;
            Q_EMIT interrupted();
        }
    }
}

} // namespace stowly
