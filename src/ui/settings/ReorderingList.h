#pragma once

#include <QListWidget>

namespace stowly {

// A pick list whose rows are dragged into another order. It never moves its own rows: it says
// where the dragged ones go, the store behind it moves them, and the list is drawn again from
// the store. Rows dragged from another list are not taken.
class ReorderingList : public QListWidget {
    Q_OBJECT
public:
    explicit ReorderingList(QWidget* parent = nullptr);

Q_SIGNALS:
    // The rows go, in their order, before the row that is at `to` now (the row count: the end).
    void moveRequested(const QList<int>& rows, int to);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Where the model takes a drop: the rows go before `index`.
    bool dropMimeData(int index, const QMimeData* data, Qt::DropAction action) override;

private:
    // The rows a drag of this list carries; empty for anything else.
    QList<int> rowsOf(const QMimeData* data) const;
};

} // namespace stowly
