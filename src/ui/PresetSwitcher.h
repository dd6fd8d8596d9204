#pragma once

#include <QToolButton>

class QMenu;

namespace stowly {

class AppModel;

// The preset menu in the toolbar: the active preset's name, every preset to switch to, and
// saving the current setup as a new one.
class PresetSwitcher : public QToolButton {
    Q_OBJECT
public:
    explicit PresetSwitcher(AppModel& model, QWidget* parent = nullptr);

private:
    void updateLabel();
    void fillMenu();
    void saveCurrentSetup();

    AppModel& m_model;
    QMenu* m_menu;
};

} // namespace stowly
