#include "ui/settings/ReorderingList.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>

namespace stowly {
namespace {

const QString rowsType = QStringLiteral("application/x-stowly-list-rows");

} // namespace

ReorderingList::ReorderingList(QWidget* parent) : QListWidget(parent) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

QStringList ReorderingList::mimeTypes() const {
    return {rowsType};
}

QMimeData* ReorderingList::mimeData(const QList<QListWidgetItem*>& items) const {
    // The list's own address tells its drags from another list's.
    QStringList words{QString::number(quintptr(this))};
    QList<int> rows;
    for (QListWidgetItem* item : items)
        rows.append(row(item));
    std::sort(rows.begin(), rows.end());
    for (const int r : rows)
        words.append(QString::number(r));
    auto* data = new QMimeData;
    data->setData(rowsType, words.join(u' ').toLatin1());
    return data;
}

QList<int> ReorderingList::rowsOf(const QMimeData* data) const {
    if (!data || !data->hasFormat(rowsType))
        return {};
    const QStringList words = QString::fromLatin1(data->data(rowsType)).split(u' ');
    if (words.value(0) != QString::number(quintptr(this)))
        return {};
    QList<int> rows;
    for (qsizetype i = 1; i < words.size(); ++i) {
        bool ok = false;
        const int r = words[i].toInt(&ok);
        if (ok && r >= 0 && r < count())
            rows.append(r);
    }
    return rows;
}

void ReorderingList::startDrag(Qt::DropActions) {
    const QList<QListWidgetItem*> items = selectedItems();
    if (items.isEmpty())
        return;
    // The row as it looks, under the pointer where it was picked up.
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData(items));
    const QRect rect = visualItemRect(items.first());
    drag->setPixmap(viewport()->grab(rect));
    drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()) - rect.topLeft());
    // The drop asks the store to move the rows; nothing is removed here.
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

void ReorderingList::dragEnterEvent(QDragEnterEvent* event) {
    if (rowsOf(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    QListWidget::dragEnterEvent(event);
}

void ReorderingList::dragMoveEvent(QDragMoveEvent* event) {
    if (rowsOf(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    QListWidget::dragMoveEvent(event);
}

void ReorderingList::dropEvent(QDropEvent* event) {
    // Above the middle of a row goes before it, below after it, past the last row at the end.
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    int to = count();
    if (index.isValid())
        to = at.y() < visualRect(index).center().y() ? index.row() : index.row() + 1;
    if (!dropMimeData(to, event->mimeData(), Qt::MoveAction)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

bool ReorderingList::dropMimeData(int index, const QMimeData* data, Qt::DropAction) {
    const QList<int> rows = rowsOf(data);
    if (rows.isEmpty())
        return false;
    // The list is drawn again from the store once the drop is over.
    QMetaObject::invokeMethod(
        this, [this, rows, index] { Q_EMIT moveRequested(rows, index); }, Qt::QueuedConnection);
    return true;
}

} // namespace stowly
