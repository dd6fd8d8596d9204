#include "ui/settings/TokenChips.h"

#include "ui/stages/StageStyle.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

namespace stowly {

TokenChips::TokenChips(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tokenChips"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    // Two tokens to a row keep the twelve short enough to see with the fields and the example.
    constexpr int perRow = 2;
    int index = 0;
    for (const TemplateToken token : templateToken::allCases) {
        auto* button = new QToolButton(this);
        button->setText(text(token));
        button->setObjectName(QStringLiteral("token_") + rawValue(token));
        button->setToolTip(summary(token));
        button->setAccessibleName(text(token));
        button->setAccessibleDescription(summary(token));
        button->setFocusPolicy(Qt::TabFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, [this, token] { Q_EMIT chosen(token); });
        QLabel* help = stageStyle::secondaryLabel(summary(token), this);
        help->setBuddy(button);
        const int row = index / perRow;
        const int column = (index % perRow) * 2;
        grid->addWidget(button, row, column);
        grid->addWidget(help, row, column + 1);
        ++index;
    }
    // The help takes the room; the chips share one width so the columns line up.
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

QToolButton* TokenChips::chip(TemplateToken token) const {
    return findChild<QToolButton*>(QStringLiteral("token_") + rawValue(token));
}

QString TokenChips::text(TemplateToken token) {
    return u'{' + rawValue(token) + u'}';
}

} // namespace stowly
