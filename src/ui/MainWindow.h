#pragma once

#include <QMainWindow>

namespace stowly {

class AppModel;
class StagePanel;

// The one window: the three stages side by side and the offload bar below them.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppModel& model, QWidget* parent = nullptr);

private:
    void updateStages();

    AppModel& m_model;
    StagePanel* m_stages[3];
};

} // namespace stowly
