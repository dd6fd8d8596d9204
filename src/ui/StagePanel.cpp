#include "ui/StagePanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace stowly {

StagePanel::StagePanel(int number, QWidget* parent)
    : QFrame(parent), m_number(number), m_badge(new QLabel(this)),
      m_title(new QLabel(stageState::title(number), this)),
      m_attention(new QLabel(tr("needs your attention"), this)), m_content(new QVBoxLayout),
      m_header(new QGridLayout) {
    setObjectName(QStringLiteral("stagePanel"));
    setProperty("stowlyRole", QStringLiteral("panel"));
    m_badge->setProperty("stowlyRole", QStringLiteral("stageBadge"));
    m_badge->setAlignment(Qt::AlignCenter);
    m_badge->setFixedSize(24, 24);
    m_title->setProperty("stowlyRole", QStringLiteral("stageTitle"));
    m_attention->setProperty("stowlyRole", QStringLiteral("pill"));
    m_attention->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    m_attention->hide();

    m_header->setHorizontalSpacing(8);
    m_header->setVerticalSpacing(4);
    m_header->addWidget(m_badge, 0, 0);
    m_header->addWidget(m_title, 0, 1);
    m_header->addWidget(m_attention, 0, 2, Qt::AlignLeft);
    m_header->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(16);
    layout->addLayout(m_header);
    m_content->setSpacing(8);
    layout->addLayout(m_content, 1);
    setState(StageState::pending, false);
}

void StagePanel::setState(StageState state, bool needsAttention) {
    m_state = state;
    m_needsAttention = needsAttention;
    m_badge->setText(state == StageState::done ? QStringLiteral("✓") : QString::number(m_number));
    m_badge->setProperty("stageState", stageState::rawValue(state));
    m_badge->setAccessibleName(tr("Stage %1, %2").arg(m_number).arg(stageState::rawValue(state)));
    m_attention->setVisible(needsAttention);
    placeAttention();
    // The style sheet keys on the state property; a changed property needs a fresh polish.
    style()->unpolish(m_badge);
    style()->polish(m_badge);
}

void StagePanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    placeAttention();
}

void StagePanel::placeAttention() {
    const int room = contentsRect().width() - 32;
    const int oneLine = m_badge->width() + m_title->sizeHint().width() +
                        m_attention->sizeHint().width() + 2 * m_header->horizontalSpacing();
    const bool below = oneLine > room;
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    m_header->getItemPosition(m_header->indexOf(m_attention), &row, &column, &rowSpan, &columnSpan);
    if (below == (row == 1))
        return;
    m_header->removeWidget(m_attention);
    if (below)
        m_header->addWidget(m_attention, 1, 1, 1, 3, Qt::AlignLeft);
    else
        m_header->addWidget(m_attention, 0, 2, Qt::AlignLeft);
}

} // namespace stowly
