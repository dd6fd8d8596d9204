#pragma once

#include <QStyledItemDelegate>

namespace stowly {

// Draws a list's selected row as a soft tint of the accent with the row's usual text colour.
// The accent itself is near-white in dark themes, and a full bar of it swallows the row.
class SoftSelectionDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The option as the row is drawn: highlight softened, text as in an unselected row.
    static QStyleOptionViewItem softened(const QStyleOptionViewItem& option);
};

} // namespace stowly
