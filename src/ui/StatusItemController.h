#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace stowly {

class AppModel;

// The tray item while Stowly runs in the background: there only while the model wants it, its
// menu rebuilt from the model each time it opens.
class StatusItemController : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> openWindow;
        std::function<void()> openSettings;
        std::function<void()> quit;
    };

    StatusItemController(AppModel& model, Actions actions, QObject* parent = nullptr);
    ~StatusItemController() override;

    bool isInserted() const { return m_tray != nullptr; }
    // The menu as it would open now (rebuilt); null while no item is shown.
    QMenu* menu();

    // Whether the desktop shows tray items at all (a StatusNotifier host or an X11 tray).
    static bool desktopHasTray();

private:
    void setInserted(bool inserted);
    void rebuildMenu();

    AppModel& m_model;
    Actions m_actions;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_tray;
};

} // namespace stowly
