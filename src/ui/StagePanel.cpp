#include "ui/StagePanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace stowly {

StagePanel::StagePanel(int number, QWidget* parent)
    : QFrame(parent), m_number(number), m_badge(new QLabel(this)),
      m_title(new QLabel(stageState::title(number), this)),
      m_attention(new QLabel(tr("needs your attention"), this)), m_content(new QVBoxLayout) {
    setObjectName(QStringLiteral("stagePanel"));
    setProperty("stowlyRole", QStringLiteral("panel"));
    m_badge->setProperty("stowlyRole", QStringLiteral("stageBadge"));
    m_badge->setAlignment(Qt::AlignCenter);
    m_badge->setFixedSize(24, 24);
    m_title->setProperty("stowlyRole", QStringLiteral("stageTitle"));
    m_attention->setProperty("stowlyRole", QStringLiteral("pill"));
    m_attention->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    m_attention->hide();

    auto* header = new QHBoxLayout;
    header->setSpacing(8);
    header->addWidget(m_badge);
    header->addWidget(m_title);
    header->addWidget(m_attention);
    header->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(16);
    layout->addLayout(header);
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
    // The style sheet keys on the state property; a changed property needs a fresh polish.
    style()->unpolish(m_badge);
    style()->polish(m_badge);
}

} // namespace stowly
