#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace stowly {

class Console;
class OffloadSession;

// Shows a run's progress on standard error: a live bar on a terminal, otherwise one line per
// finished file (logs and pipes get no control characters).
class ProgressPrinter : public QObject {
    Q_OBJECT
public:
    ProgressPrinter(OffloadSession& session, Console& console, QObject* parent = nullptr);
    // Takes the bar off the screen, so what follows starts on a clean line.
    void finish();
    // A line of its own above the bar.
    void note(const QString& line);

private:
    void update();
    void draw();
    void clearBar();

    OffloadSession& m_session;
    Console& m_console;
    bool m_terminal;
    int m_filesDone = 0;
    bool m_barShown = false;
    // 0 copying, 1 verifying the copies, 2 verifying the source.
    int m_lastVerifying = 0;
    QElapsedTimer m_sinceDraw;
};

} // namespace stowly
