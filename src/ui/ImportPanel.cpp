#include "ui/ImportPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace stowly {

ImportPanel::ImportPanel(const QString& title, std::function<void(ImportPrompter::Choice)> onChoice)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("importPanel"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setFixedSize(width, height);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    // Three choices in 340 pixels: buttons as wide as their words, not the style's minimum.
    setStyleSheet(QStringLiteral("QPushButton { padding: 4px 10px; min-width: 0; }"));
    layout->setSpacing(4);
    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("importPanelTitle"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setTextFormat(Qt::PlainText);
    layout->addWidget(heading);
    auto* question = new QLabel(ImportPrompter::question(), this);
    layout->addWidget(question);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    using Choice = ImportPrompter::Choice;
    for (const Choice choice : {Choice::importCard, Choice::ignore, Choice::dontAsk}) {
        auto* button = new QPushButton(ImportPrompter::choiceTitle(choice, true), this);
        button->setFocusPolicy(Qt::NoFocus);
        if (choice == Choice::importCard)
            button->setDefault(true);
        connect(button, &QPushButton::clicked, this, [onChoice, choice] { onChoice(choice); });
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
}

QPoint ImportPanel::placement(const QRect& available, int index) {
    return {available.right() + 1 - width - margin,
            available.top() + margin + (height + gap) * index};
}

} // namespace stowly
