#pragma once

#include "copy/CopyBuffers.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace stowly {

// Reads a file front to back on a thread of its own, running ahead of the caller by as much as
// the two chunk buffers hold, so that reading (and `onRead`, such as hashing) overlaps with what
// the caller does with the bytes before. It hands the file over in pieces of at most 1 MiB:
// small enough that the work on the last piece of a file, which nothing can overlap, stays
// short. Memory: the two buffers and nothing else.
class PipelinedReader {
public:
    struct Piece {
        const char* data = nullptr;
        // Full pieces until the end of the file; 0 at the end.
        qsizetype size = 0;
        // errno of a failed read; the bytes are then not usable.
        int error = 0;
    };
    using OnRead = std::function<void(const char* data, qsizetype size)>;

    // The piece size for buffers of `chunkSize`; reads that bypass the cache need it aligned.
    static qsizetype pieceSizeFor(qsizetype chunkSize);

    // `onRead` runs on the reading thread for every non-empty piece, in file order, before the
    // piece is handed over. With a `limit`, the reads end after that many bytes as if the file
    // ended there.
    PipelinedReader(int fd, CopyBuffers& buffers, OnRead onRead = {}, qint64 limit = -1);
    // Stops reading ahead and waits for a read in flight to end.
    ~PipelinedReader();
    PipelinedReader(const PipelinedReader&) = delete;
    PipelinedReader& operator=(const PipelinedReader&) = delete;

    // The next piece. The piece returned before goes back for reading, so its data must not be
    // used any more. After the end or an error, the same piece again.
    Piece next();

private:
    struct Slot {
        char* data = nullptr;
        bool full = false;
        qsizetype size = 0;
        int error = 0;
    };

    void readAhead();
    void fill(Slot& slot);

    int m_fd;
    qsizetype m_pieceSize;
    OnRead m_onRead;
    // Bytes the reads may still take; negative for no limit. The reading side's alone.
    qint64 m_left;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Slot> m_slots;
    size_t m_nextToTake = 0;
    Slot* m_held = nullptr;
    bool m_stopping = false;
    bool m_ended = false;
    Piece m_last;
    // Not a pool thread: the copy waits on it for every piece, so a start delayed behind other
    // pool work would stall the copy, and it lives exactly as long as the file is read.
    std::thread m_thread;
};

} // namespace stowly
