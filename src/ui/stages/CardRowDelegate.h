#pragma once

#include <QStyledItemDelegate>

#include <functional>

namespace stowly {

// Draws a mounted card as two lines: its name, and below it the detail line the stage gives
// for that row (new, copied and ignored counts), in the secondary text style.
class CardRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using Detail = std::function<QString(const QModelIndex&)>;

    // help is the row's tooltip (what its counts mean), empty for none.
    CardRowDelegate(Detail detail, Detail help, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    Detail m_detail;
    Detail m_help;
};

} // namespace stowly
