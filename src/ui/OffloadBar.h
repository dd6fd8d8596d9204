#pragma once

#include <QFrame>
#include <QString>
#include <QUuid>

#include <optional>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

namespace stowly {

class AppModel;
class ElidedLabel;
class OffloadQueueView;
struct CardVolume;
struct OffloadSummary;

// The strip along the bottom of the window: every offload of the queue when more than the shown
// card's is under way, then the shown card's: ready to start (or why not), waiting for its
// turn, the running copy, and the result until the user is done with it; below, while any are
// being made, the backups copied from first copies. Shows the model's values and calls its
// commands.
class OffloadBar : public QFrame {
    Q_OBJECT
public:
    explicit OffloadBar(AppModel& model, QWidget* parent = nullptr);

private:
    enum class Mode { ready, waiting, running, finished };

    void refresh();
    void updateReady();
    void updateQueue();
    void updateRunning();
    void updateFinished();
    // The backups made from first copies, under whichever card is shown.
    void updateCascade();
    // The one arrival of a clean offload: its title fades in.
    void arrive();
    void ejectEnded(const CardVolume& card, const std::optional<QString>& error);

    AppModel& m_model;
    Mode m_mode = Mode::ready;

    QWidget* m_readyPage;
    QLabel* m_readyLine;
    QPushButton* m_start;
    // Takes the shown card's waiting offload out of the queue.
    QPushButton* m_unqueue;

    OffloadQueueView* m_queue;

    QWidget* m_runningPage;
    QProgressBar* m_progress;
    QLabel* m_counts;
    ElidedLabel* m_currentFile;
    QLabel* m_verifying;
    QLabel* m_eta;
    QPushButton* m_cancel;
    // The time left moves with the clock, not only with the copy.
    QTimer* m_clock;

    QWidget* m_finishedPage;
    QLabel* m_title;
    QLabel* m_subtitle;
    QListWidget* m_failures;
    QPushButton* m_done;
    QPushButton* m_showReport;
    // The card may go, while its backups are still being made.
    QLabel* m_safeToRemove;

    QWidget* m_cascadeRow;
    QProgressBar* m_cascadeProgress;
    QLabel* m_cascadeLine;

    // The session whose card was ejected after its offload.
    QUuid m_ejectedSession;
};

} // namespace stowly
