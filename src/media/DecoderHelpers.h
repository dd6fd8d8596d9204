#pragma once

#include "base/DecodeWire.h"

#include <QByteArray>
#include <QList>

#include <mutex>
#include <optional>
#include <stop_token>
#include <sys/types.h>
#include <vector>

namespace stowly {

// Card files decoded by confined helper processes (stowly-decoder), one request at a time
// each, started when needed and kept for the next file: nothing in this process decodes what a
// card holds. A helper that crashes, hangs past the time limit or is stopped mid-file is ended;
// that file gets no answer and the next request starts a new helper. Thread-safe.
class DecoderHelpers {
public:
    // The helpers the program's thumbnails and durations share.
    static DecoderHelpers& shared();

    enum class Priority {
        normal,
        // The lowest CPU priority and the idle I/O class: work that must not slow a copy.
        background
    };

    explicit DecoderHelpers(Priority priority = Priority::normal) : m_priority(priority) {}
    ~DecoderHelpers();
    DecoderHelpers(const DecoderHelpers&) = delete;
    DecoderHelpers& operator=(const DecoderHelpers&) = delete;

    // The helper's answer about the file at `path` (the file system's bytes), which is opened
    // here, read-only and only when it is a plain file; none when it is not, when the helper
    // failed, took longer than `timeLimitMs` or `stop` came.
    std::optional<decodeWire::Answer> ask(const QByteArray& path, decodeWire::Request request,
                                          int timeLimitMs, std::stop_token stop = {});

    // Helpers that ended on a file (crashed, killed, or answered nonsense), and those ended for
    // taking too long, since the start.
    int helpersLost() const;
    int helpersTimedOut() const;
    // The helpers running now, busy or waiting.
    QList<pid_t> helpers() const;

private:
    struct Helper {
        pid_t pid = -1;
        int socket = -1;
    };
    // A waiting helper (`kept`) or a new one.
    std::optional<Helper> take(bool* kept);
    void giveBack(const Helper& helper);
    void end(const Helper& helper);

    Priority m_priority;
    mutable std::mutex m_mutex;
    std::vector<Helper> m_waiting;
    QList<pid_t> m_busy;
    int m_lost = 0;
    int m_timedOut = 0;
};

} // namespace stowly
