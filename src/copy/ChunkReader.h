#pragma once

#include "copy/CopyBuffers.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace stowly {

// Reads a file front to back, chunk by chunk, on a thread of its own and one chunk ahead of
// the caller, so that reading (and `onRead`, such as hashing) overlaps with whatever the
// caller does with the previous chunk. It uses the two given buffers and no other memory.
class ChunkReader {
public:
    struct Chunk {
        const char* data = nullptr;
        // 0 at the end of the file.
        qsizetype size = 0;
        // errno of a failed read; the chunk's bytes are then not usable.
        int error = 0;
    };
    using OnRead = std::function<void(const char* data, qsizetype size)>;

    // `onRead` runs on the reading thread for every non-empty chunk, in file order, before the
    // chunk is handed over. A full chunk is `buffers.chunkSize()` bytes.
    ChunkReader(int fd, CopyBuffers& buffers, OnRead onRead = {});
    // Stops reading ahead and waits for a read in flight to end.
    ~ChunkReader();
    ChunkReader(const ChunkReader&) = delete;
    ChunkReader& operator=(const ChunkReader&) = delete;

    // The next chunk. The chunk returned before is given back for reading, so its data must
    // not be used any more. After the end or an error, the same chunk again.
    Chunk next();

private:
    struct Slot {
        bool full = false;
        qsizetype size = 0;
        int error = 0;
    };

    void readAhead();
    Slot fill(int index);

    int m_fd;
    CopyBuffers& m_buffers;
    OnRead m_onRead;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    Slot m_slots[2];
    int m_nextToTake = 0;
    int m_held = -1;
    bool m_stopping = false;
    bool m_ended = false;
    Chunk m_last;
    std::thread m_thread;
};

} // namespace stowly
