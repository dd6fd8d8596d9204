#pragma once

#include "app/settings/SettingsTab.h"

#include <QMainWindow>

#include <functional>

class QGridLayout;
class QLabel;
class QScrollArea;
class QToolButton;

namespace stowly {

class AppModel;
class OffloadBar;
class RecentOffloadsView;
class StagePanel;
class ThumbnailProvider;

// The one window: a toolbar with the presets and the history, the three stages in their order
// (the media stage takes the spare width; on a narrow window the destination folds under the
// card) and the offload bar below them, always visible.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppModel& model, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Below this width the destination stage moves under the card stage.
    static constexpr int narrowWidth = 900;

    OffloadBar& offloadBar() const { return *m_bar; }
    // "Quit Stowly" with its Ctrl+Q; other windows add it so the key works there too.
    QAction* quitAction() const { return m_quit; }
    void showRecentOffloads();
    // Asked before the window closes; false keeps it open.
    void setCloseGuard(std::function<bool()> mayClose) { m_mayClose = std::move(mayClose); }

Q_SIGNALS:
    // The user closed the window; the application decides whether it keeps running.
    void closed();
    // "Settings…" was chosen in the window's menu.
    void settingsRequested();
    // A command of the window edits something the settings window holds.
    void settingsTabRequested(stowly::SettingsTab tab);
    // "Quit Stowly" or Ctrl+Q.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateSharedHistoryBanner();
    QWidget* makeToolbar();
    void arrangeColumns();
    void updateStages();

    AppModel& m_model;
    ThumbnailProvider* m_thumbnails;
    StagePanel* m_stages[3];
    QGridLayout* m_columns;
    // Holds the card and destination stages on a narrow window.
    QScrollArea* m_side;
    QWidget* m_sideContent;
    OffloadBar* m_bar;
    // Says that the history several stations share can't be reached.
    QLabel* m_sharedHistoryBanner = nullptr;
    RecentOffloadsView* m_recent = nullptr;
    QToolButton* m_history = nullptr;
    QAction* m_quit = nullptr;
    int m_arrangedNarrow = -1;
    bool m_shownOnce = false;
    std::function<bool()> m_mayClose;
};

} // namespace stowly
