#pragma once

#include "app/model/StageState.h"

#include <QFrame>

class QGridLayout;
class QLabel;
class QVBoxLayout;

namespace stowly {

// One numbered stage of the main window: a header with the number badge, the title and the
// "needs your attention" pill, and the stage's own content below it.
class StagePanel : public QFrame {
    Q_OBJECT
public:
    StagePanel(int number, QWidget* parent = nullptr);

    int number() const { return m_number; }
    StageState state() const { return m_state; }
    bool needsAttention() const { return m_needsAttention; }
    void setState(StageState state, bool needsAttention);

    // Where the stage puts its controls, 16 px inside the panel's border.
    QVBoxLayout* contentLayout() const { return m_content; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The pill goes under the title where the header is too narrow for both on one line.
    void placeAttention();

    int m_number;
    StageState m_state = StageState::pending;
    bool m_needsAttention = false;
    QLabel* m_badge;
    QLabel* m_title;
    QLabel* m_attention;
    QVBoxLayout* m_content;
    QGridLayout* m_header;
};

} // namespace stowly
