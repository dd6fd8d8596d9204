#include "ui/thumbnails/AsyncLimiter.h"

#include <algorithm>

namespace stowly {

AsyncLimiter::AsyncLimiter(int limit) : m_limit(std::max(limit, 1)) {}

std::optional<quint64> AsyncLimiter::acquire(Resume resume) {
    if (m_running < m_limit) {
        ++m_running;
        resume(true);
        return std::nullopt;
    }
    const quint64 id = m_nextId++;
    m_waiting.push_back({id, std::move(resume)});
    return id;
}

void AsyncLimiter::release() {
    m_running = std::max(m_running - 1, 0);
    resumeWaiting();
}

// A resumed task may call back in (release at once, acquire again), so each waiter leaves the
// queue before it is resumed.
void AsyncLimiter::resumeWaiting() {
    while (!m_waiting.empty() && m_running < m_limit) {
        Waiter next = std::move(m_waiting.front());
        m_waiting.pop_front();
        ++m_running;
        next.resume(true);
    }
}

void AsyncLimiter::cancel(quint64 id) {
    const auto found = std::find_if(m_waiting.begin(), m_waiting.end(),
                                    [id](const Waiter& waiter) { return waiter.id == id; });
    if (found == m_waiting.end())
        return;
    Waiter cancelled = std::move(*found);
    m_waiting.erase(found);
    cancelled.resume(false);
}

void AsyncLimiter::cancelWaiting() {
    std::deque<Waiter> cancelled;
    cancelled.swap(m_waiting);
    for (Waiter& waiter : cancelled)
        waiter.resume(false);
}

} // namespace stowly
