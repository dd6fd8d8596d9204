#pragma once

#include <QObject>

class QSocketNotifier;

namespace stowly {

// Turns SIGINT and SIGTERM into a signal on the main thread. The handler only writes one byte
// into a pipe; everything else happens when the event loop reads it. One per process.
class SignalWatcher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Puts the default handling back.
    ~SignalWatcher() override;

    // Takes over SIGINT and SIGTERM. Until then they end the process at once, which suits the
    // commands that change nothing or change it in one atomic write.
    void start();

    bool wasInterrupted() const { return m_interrupted; }

Q_SIGNALS:
    // Once per signal received.
    void interrupted();

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
    bool m_interrupted = false;
};

} // namespace stowly
