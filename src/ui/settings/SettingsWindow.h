#pragma once

#include "app/settings/SettingsTab.h"

#include <QWidget>

#include <memory>

class QTabWidget;

namespace stowly {

class AppModel;
class MailHandoff;

// The settings: a tab per area, reopened on the tab last shown. Every control writes its value
// at once; there is nothing to save or cancel.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    // highContrast: the desktop asks for solid colours. handoff takes the footer's e-mail and
    // link out of Stowly (the system's by default).
    explicit SettingsWindow(AppModel& model, QWidget* parent = nullptr, bool highContrast = false,
                            std::shared_ptr<MailHandoff> handoff = nullptr);

    SettingsTab currentTab() const;
    void showTab(SettingsTab tab);

private:
    AppModel& m_model;
    QTabWidget* m_tabs;
    QList<SettingsTab> m_shown;
};

} // namespace stowly
