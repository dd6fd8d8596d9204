#include "base/Background.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace stowly::background {
namespace detail {

std::shared_ptr<OwnerLink> OwnerLink::make(QObject* owner, std::stop_source stop) {
    Q_ASSERT(owner);
    auto link = std::make_shared<OwnerLink>();
    link->m_owner = owner;
    link->m_stop = std::move(stop);
    // Runs on the destroying thread while the owner is still a QObject; direct, no context.
    link->m_watch = QObject::connect(owner, &QObject::destroyed, [weak = std::weak_ptr(link)] {
        if (const std::shared_ptr<OwnerLink> alive = weak.lock())
            alive->ownerDestroyed();
    });
    return link;
}

void OwnerLink::ownerDestroyed() {
    QMutexLocker lock(&m_mutex);
    m_owner = nullptr;
    m_stop.request_stop();
}

void OwnerLink::release() {
    QObject::disconnect(m_watch);
}

} // namespace detail

void waitForDone() {
    QThreadPool::globalInstance()->waitForDone();
}

namespace {

// Shared with the helpers, which may start only after the caller has returned: such a late
// helper finds nothing left and touches neither `work` nor anything else of the caller's.
struct Loop {
    std::mutex mutex;
    std::condition_variable idle;
    const std::function<void(qsizetype)>* work = nullptr;
    qsizetype count = 0;
    qsizetype next = 0;
    int busy = 0;

    void drain() {
        std::unique_lock lock(mutex);
        while (next < count) {
            const qsizetype index = next++;
            ++busy;
            lock.unlock();
            (*work)(index);
            lock.lock();
            --busy;
        }
        if (busy == 0)
            idle.notify_all();
    }
};

} // namespace

void forEach(qsizetype count, int width, const std::function<void(qsizetype)>& work,
             QThreadPool& pool) {
    if (count <= 0)
        return;
    auto loop = std::make_shared<Loop>();
    loop->work = &work;
    loop->count = count;
    const qsizetype helpers = std::min(count, qsizetype(std::max(width, 1))) - 1;
    for (qsizetype i = 0; i < helpers; ++i)
        pool.start([loop] { loop->drain(); });
    loop->drain();
    std::unique_lock lock(loop->mutex);
    loop->idle.wait(lock, [&] { return loop->busy == 0; });
}

} // namespace stowly::background
