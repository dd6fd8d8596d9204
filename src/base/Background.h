#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QThreadPool>

namespace stowly {

// Runs work on a worker thread and its result on the main thread, unless the receiver is gone
// by then.
template <typename Work, typename Done> void inBackground(QObject* receiver, Work work, Done done) {
    QPointer<QObject> weak(receiver);
    QThreadPool::globalInstance()->start(
        [weak, work = std::move(work), done = std::move(done)]() mutable {
            auto result = work();
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [weak, done = std::move(done), result = std::move(result)]() mutable {
                    if (weak)
                        done(std::move(result));
                },
                Qt::QueuedConnection);
        });
}

} // namespace stowly
