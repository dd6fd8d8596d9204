#pragma once

#include <QMetaObject>
#include <QMutex>
#include <QObject>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <stop_token>
#include <type_traits>
#include <utility>

// Background work, done one way throughout.
//
//   std::stop_source task = background::run(owner, work, done);
//
// `work` runs on the global thread pool; it may take a std::stop_token and should then return
// early once a stop is requested. `done(result)` runs afterwards on the owner's thread. The
// result is dropped, and `done` never runs, when the owner is destroyed first or a stop was
// requested through the returned source; the owner's destruction requests the stop too.
//
// background::forEach(count, width, work, pool) is the blocking counterpart for a worker that
// wants a few things done side by side, such as reading several clips at once.
//
// Exceptions, each for a reason given where it lives: the offload run blocks on the main thread
// for every progress report and history record, so it has a thread of its own; a copy's
// read-ahead runs in lockstep with the copy; a duration reading that may hang for good is left
// behind on a thread of its own.
namespace stowly::background {

namespace detail {

// Ties a task to its owner across threads. A QPointer alone would not do: the owner could be
// destroyed between the worker's check and its post. Here the owner's destruction waits for a
// post in progress, and a post after it finds no owner.
class OwnerLink {
public:
    static std::shared_ptr<OwnerLink> make(QObject* owner, std::stop_source stop);

    // Calls post(owner) while the owner is alive; nothing once it is gone.
    template <typename Post> void withOwner(Post&& post) {
        QMutexLocker lock(&m_mutex);
        if (m_owner)
            post(m_owner);
    }
    // On the owner's thread, once the task is over.
    void release();

private:
    void ownerDestroyed();

    QMutex m_mutex;
    QObject* m_owner = nullptr;
    std::stop_source m_stop;
    QMetaObject::Connection m_watch;
};

template <typename Work> auto call(Work& work, std::stop_token stop) {
    if constexpr (std::is_invocable_v<Work&, std::stop_token>)
        return work(std::move(stop));
    else
        return work();
}

} // namespace detail

// Runs work(stop token) or work() on the global pool and done(result) on the owner's thread,
// unless the owner is gone or a stop was requested by then. The work must not touch the owner.
template <typename Work, typename Done> std::stop_source run(QObject* owner, Work work, Done done) {
    std::stop_source stop;
    std::shared_ptr<detail::OwnerLink> link = detail::OwnerLink::make(owner, stop);
    QThreadPool::globalInstance()->start(
        [link, stop, work = std::move(work), done = std::move(done)]() mutable {
            auto result = detail::call(work, stop.get_token());
            link->withOwner([&](QObject* target) {
                QMetaObject::invokeMethod(
                    target,
                    [link, stop, done = std::move(done), result = std::move(result)]() mutable {
                        link->release();
                        if (!stop.stop_requested())
                            done(std::move(result));
                    },
                    Qt::QueuedConnection);
            });
        });
    return stop;
}

// Waits until the work of every task started with run() has ended; their results may still
// be on the way. For shutting down.
void waitForDone();

// Calls work(i) for every i from 0 to count - 1, at most `width` calls at a time, and returns
// once all have returned. The calling thread takes part and up to width - 1 helpers run on
// `pool`, so it finishes even when the pool has no thread free.
void forEach(qsizetype count, int width, const std::function<void(qsizetype)>& work,
             QThreadPool& pool);

} // namespace stowly::background
