#pragma once

#include <QtGlobal>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace stowly {

// Runs the steps that prove copies on a thread of its own, one at a time and in the order they
// were posted, so that a run goes on copying meanwhile. Destroying it runs what is still
// posted and waits for it.
class CopyVerifier {
public:
    // Names a posted step; later steps have larger tickets.
    using Ticket = quint64;

    CopyVerifier();
    ~CopyVerifier();
    CopyVerifier(const CopyVerifier&) = delete;
    CopyVerifier& operator=(const CopyVerifier&) = delete;

    Ticket post(std::function<void()> step);
    bool isDone(Ticket ticket);
    // Waits for the step at most `timeout`; returns whether it is done.
    bool waitFor(Ticket ticket, std::chrono::milliseconds timeout);

private:
    void work();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::function<void()>> m_steps;
    Ticket m_posted = 0;
    Ticket m_done = 0;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace stowly
