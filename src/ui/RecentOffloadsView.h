#pragma once

#include <QDialog>

class QLabel;
class QListView;
class QPushButton;
class QStackedLayout;

namespace stowly {

class AppModel;

// The recent offloads: every verified copy in the history, newest first, each of which can be
// forgotten (its file then shows as new on its card again; the copy stays).
class RecentOffloadsView : public QDialog {
    Q_OBJECT
public:
    explicit RecentOffloadsView(AppModel& model, QWidget* parent = nullptr);

private:
    void updateState();
    void removeSelected();
    void showReport();

    AppModel& m_model;
    QStackedLayout* m_pages;
    QListView* m_list;
    QLabel* m_empty;
    QPushButton* m_remove;
    QPushButton* m_report;
};

} // namespace stowly
