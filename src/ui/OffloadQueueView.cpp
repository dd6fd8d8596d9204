#include "ui/OffloadQueueView.h"

#include "app/model/AppModel.h"
#include "app/model/QueueBoard.h"
#include "ui/settings/ReorderingList.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

namespace stowly {

namespace {
constexpr int cardIDRole = Qt::UserRole + 1;
constexpr int waitingRole = Qt::UserRole + 2;
} // namespace

OffloadQueueView::OffloadQueueView(AppModel& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_total(new QLabel(this)),
      m_lines(new ReorderingList(this)) {
    setObjectName(QStringLiteral("offloadQueue"));
    m_total->setObjectName(QStringLiteral("queueTotal"));
    m_total->setProperty("stowlyRole", QStringLiteral("secondary"));
    m_lines->setObjectName(QStringLiteral("queueLines"));
    m_lines->setAccessibleName(tr("Offloads"));
    m_lines->setToolTip(tr("Drag a waiting offload, or press Ctrl+Up or Ctrl+Down, to change "
                           "its turn. Delete cancels the selected offload."));
    m_lines->setContextMenuPolicy(Qt::CustomContextMenu);
    m_lines->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(4);
    layout->addWidget(m_total);
    layout->addWidget(m_lines);
    connect(m_lines, &ReorderingList::moveRequested, this, [this](const QList<int>& rows, int to) {
        if (rows.size() == 1)
            m_model.queueBoard().moveLine(rows.first(), to);
    });
    connect(m_lines, &QWidget::customContextMenuRequested, this, &OffloadQueueView::showMenu);
}

void OffloadQueueView::showLines(const QList<QueueLine>& lines) {
    m_total->setText(m_model.queueBoard().total());
    // Rows are rewritten in place, so a selection or a drag in progress survives a tick.
    while (m_lines->count() > lines.size())
        delete m_lines->takeItem(m_lines->count() - 1);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QListWidgetItem* item =
            i < m_lines->count() ? m_lines->item(int(i)) : new QListWidgetItem(m_lines);
        item->setText(lines[i].text);
        item->setSizeHint(QSize(0, fontMetrics().lineSpacing() + 10));
        item->setData(cardIDRole, lines[i].cardID);
        item->setData(waitingRole, lines[i].isWaiting);
        // Only a waiting offload can change its turn.
        item->setFlags(lines[i].isWaiting ? item->flags() | Qt::ItemIsDragEnabled
                                          : item->flags() & ~Qt::ItemIsDragEnabled);
    }
    const int rowHeight = fontMetrics().lineSpacing() + 10;
    m_lines->setFixedHeight(std::min(int(lines.size()), 4) * rowHeight + 2 * m_lines->frameWidth() +
                            2);
}

bool OffloadQueueView::canMove(int line, int by) const {
    const QListWidgetItem* item = m_lines->item(line);
    const QListWidgetItem* other = m_lines->item(line + by);
    return item && other && item->data(waitingRole).toBool() && other->data(waitingRole).toBool();
}

void OffloadQueueView::moveLine(int line, int by) {
    if (!canMove(line, by))
        return;
    // The list inserts before a row: one up goes before the row above, one down after the next.
    m_model.queueBoard().moveLine(line, by < 0 ? line - 1 : line + 2);
    m_lines->setCurrentRow(line + by);
}

void OffloadQueueView::cancelLine(int line) {
    if (const QListWidgetItem* item = m_lines->item(line))
        m_model.queueBoard().cancel(item->data(cardIDRole).toString());
}

void OffloadQueueView::showMenu(const QPoint& position) {
    const QListWidgetItem* item = m_lines->itemAt(position);
    if (!item)
        return;
    const int line = m_lines->row(item);
    QMenu menu(this);
    const QString name = m_model.queueBoard().lines().value(line).cardName;
    QAction* cancel = menu.addAction(item->data(waitingRole).toBool()
                                         ? tr("Take “%1” Out of the Queue").arg(name)
                                         : tr("Cancel the Offload of “%1”").arg(name));
    connect(cancel, &QAction::triggered, this, [this, line] { cancelLine(line); });
    if (item->data(waitingRole).toBool()) {
        menu.addSeparator();
        QAction* up = menu.addAction(tr("Move Up"));
        up->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
        up->setEnabled(canMove(line, -1));
        connect(up, &QAction::triggered, this, [this, line] { moveLine(line, -1); });
        QAction* down = menu.addAction(tr("Move Down"));
        down->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
        down->setEnabled(canMove(line, 1));
        connect(down, &QAction::triggered, this, [this, line] { moveLine(line, 1); });
    }
    menu.exec(m_lines->viewport()->mapToGlobal(position));
}

bool OffloadQueueView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_lines && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) &&
            m_lines->currentRow() >= 0) {
            cancelLine(m_lines->currentRow());
            return true;
        }
        if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
            key->modifiers() == Qt::ControlModifier && m_lines->currentRow() >= 0) {
            moveLine(m_lines->currentRow(), key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace stowly
