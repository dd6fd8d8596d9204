#pragma once

#include <QtGlobal>

#include <deque>
#include <functional>
#include <optional>

namespace stowly {

// Lets at most `limit` tasks run at once and serves the others first come, first served.
// Main thread only. Every place granted must be given back with release().
class AsyncLimiter {
public:
    // Called with true when the task may run (it then holds a place), false when it was
    // cancelled while waiting.
    using Resume = std::function<void(bool)>;

    explicit AsyncLimiter(int limit = 4);

    // Resumes with true at once and returns none when a place is free; otherwise queues the
    // task and returns its number, for cancel().
    std::optional<quint64> acquire(Resume resume);
    // Gives a place back and lets the next waiting tasks in.
    void release();
    // Resumes that waiting task with false; nothing when it is not waiting.
    void cancel(quint64 id);
    // Resumes every waiting task with false.
    void cancelWaiting();

    int limit() const { return m_limit; }
    int running() const { return m_running; }
    qsizetype waiting() const { return qsizetype(m_waiting.size()); }

private:
    struct Waiter {
        quint64 id;
        Resume resume;
    };

    void resumeWaiting();

    int m_limit;
    int m_running = 0;
    std::deque<Waiter> m_waiting;
    quint64 m_nextId = 0;
};

} // namespace stowly
