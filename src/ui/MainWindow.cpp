#include "ui/MainWindow.h"

#include "app/AppModel.h"
#include "ui/StagePanel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace stowly {

MainWindow::MainWindow(AppModel& model, QWidget* parent) : QMainWindow(parent), m_model(model) {
    setWindowTitle(QStringLiteral("Stowly"));
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    for (int i = 0; i < 3; ++i) {
        m_stages[i] = new StagePanel(i + 1, central);
        columns->addWidget(m_stages[i], i == 1 ? 1 : 0);
    }
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(columns, 1);
    setCentralWidget(central);
    resize(1100, 750);

    for (auto signal : {&AppModel::selectionChanged, &AppModel::sessionChanged,
                        &AppModel::sessionUpdated, &AppModel::blockerChanged})
        connect(&m_model, signal, this, &MainWindow::updateStages);
    updateStages();
}

void MainWindow::updateStages() {
    for (int i = 0; i < 3; ++i) {
        const StageState state = m_model.stage(i + 1);
        m_stages[i]->setState(state, state == StageState::active);
    }
}

} // namespace stowly
