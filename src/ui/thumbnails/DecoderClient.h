#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

#include <mutex>
#include <optional>
#include <stop_token>
#include <sys/types.h>
#include <vector>

namespace stowly {

// Draws card files through confined helper processes (stowly-decoder), one request at a time
// each, started when needed and kept for the next file. A helper that crashes, hangs past the
// time limit or is stopped mid-file is ended; that file is not drawn and the next request
// starts a new helper. Thread-safe; the process keeps one.
class DecoderClient {
public:
    static constexpr int timeLimitMs = 20'000;
    // A good edge for the preview window.
    static constexpr int previewPixelEdge = 2560;

    static DecoderClient& shared();
    // ThumbnailProvider::Render for the shared client.
    static std::optional<QImage> draw(const QByteArray& path, int pixelEdge, std::stop_token stop);

    ~DecoderClient();

    // The file at `path` (the file system's bytes) fitted within a square of `pixelEdge`, as
    // ThumbnailRenderer would; none when it cannot be drawn, its helper failed or `stop` came.
    std::optional<QImage> render(const QByteArray& path, int pixelEdge, std::stop_token stop);

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

    mutable std::mutex m_mutex;
    std::vector<Helper> m_waiting;
    QList<pid_t> m_busy;
    int m_lost = 0;
    int m_timedOut = 0;
};

} // namespace stowly
