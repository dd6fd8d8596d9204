#pragma once

#include "app/model/AppFrontEnd.h"
#include "app/settings/SettingsTab.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace stowly {

class AppModel;
class DesktopLook;
class EventSound;
class MainWindow;
class StatusItemController;
class DesktopPromptPresenter;
class SettingsWindow;

// The desktop front end of the model: the main window, the confirmations it asks, the success
// sound, and the theme and appearance the window is drawn in, followed live.
class DesktopApp : public QObject, public AppFrontEnd {
    Q_OBJECT
public:
    // The look is the desktop's own unless one is given (the tests' and screenshots' choice).
    explicit DesktopApp(AppModel& model, DesktopLook* look = nullptr, QObject* parent = nullptr);
    ~DesktopApp() override;

    MainWindow& window() const { return *m_window; }
    EventSound& sound() const { return *m_sound; }
    StatusItemController& statusItem() const { return *m_statusItem; }
    // Shows the window unless it is already open; the launch calls it once.
    void openMainWindowIfClosed();
    // Started at login in menu bar mode, or the window closed in it: no window, keep running.
    void runInBackground();
    // The first-run setup, when the user has set nothing up yet.
    void showWelcomeIfNeeded();
    // The settings window, on the tab last shown unless one is named.
    void showSettings(std::optional<SettingsTab> tab = std::nullopt);
    // Quits, asking first while a copy runs.
    void quit();
    // What ending the application does (the event loop's exit); tests keep theirs running.
    void setExit(std::function<void()> exit) { m_exit = std::move(exit); }

    // AppFrontEnd
    bool isActive() const override;
    bool hasMainWindow() const override { return true; }
    bool isMainWindowVisible() const override;
    void showMainWindow() override;
    void playSuccessSound() override;
    void setAppearance(AppAppearance appearance) override;
    void confirm(const Confirmation& confirmation, std::function<void(bool)> done) override;

    // The theme for the settings and the desktop's wishes, applied to the whole application.
    void applyTheme();

Q_SIGNALS:
    // Just before the application leaves its event loop for good.
    void quitting();

private:
    void windowClosed();
    // Ends the event loop for good; whatever had to be asked was asked.
    void leave();
    // Closing quits, which would stop a running copy: asked first.
    bool mayCloseWindow();
    bool mayStopAndQuit(bool closingWindow);

    AppModel& m_model;
    DesktopLook* m_look;
    // The desktop's own palette before ours replaced it, for "system" without a stated wish.
    bool m_desktopIsDark;
    std::unique_ptr<MainWindow> m_window;
    EventSound* m_sound;
    std::unique_ptr<StatusItemController> m_statusItem;
    std::unique_ptr<DesktopPromptPresenter> m_prompts;
    QPointer<QWidget> m_welcome;
    QPointer<SettingsWindow> m_settings;
    std::function<void()> m_exit;
};

} // namespace stowly
