#include "copy/CopyVerifier.h"

#include <system_error>

namespace stowly {

CopyVerifier::CopyVerifier() {
    try {
        m_thread = std::thread([this] { work(); });
    } catch (const std::system_error&) {
        // Without a thread of its own each step runs as it is posted.
    }
}

CopyVerifier::~CopyVerifier() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

CopyVerifier::Ticket CopyVerifier::post(std::function<void()> step) {
    if (!m_thread.joinable()) {
        step();
        const std::lock_guard lock(m_mutex);
        m_done = ++m_posted;
        return m_posted;
    }
    Ticket ticket = 0;
    {
        const std::lock_guard lock(m_mutex);
        m_steps.push_back(std::move(step));
        ticket = ++m_posted;
    }
    m_changed.notify_all();
    return ticket;
}

bool CopyVerifier::isDone(Ticket ticket) {
    const std::lock_guard lock(m_mutex);
    return m_done >= ticket;
}

bool CopyVerifier::waitFor(Ticket ticket, std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_done >= ticket; });
}

void CopyVerifier::work() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [&] { return m_stopping || !m_steps.empty(); });
        if (m_steps.empty())
            return;
        std::function<void()> step = std::move(m_steps.front());
        m_steps.pop_front();
        lock.unlock();
        // A step that throws has failed its copies; the ones after it still run.
        try {
            step();
        } catch (...) {
        }
        // The step's captures go before it counts as done, so whoever waits for it may drop
        // what they shared.
        step = nullptr;
        lock.lock();
        ++m_done;
        m_changed.notify_all();
    }
}

} // namespace stowly
