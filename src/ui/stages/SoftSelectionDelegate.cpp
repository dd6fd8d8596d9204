#include "ui/stages/SoftSelectionDelegate.h"

namespace stowly {

QStyleOptionViewItem SoftSelectionDelegate::softened(const QStyleOptionViewItem& option) {
    QStyleOptionViewItem soft = option;
    const QColor base = option.palette.color(QPalette::Base);
    const QColor accent = option.palette.color(QPalette::Highlight);
    constexpr qreal share = 0.25;
    const auto mix = [](int from, int to) { return int(from + (to - from) * share); };
    const QColor tint(mix(base.red(), accent.red()), mix(base.green(), accent.green()),
                      mix(base.blue(), accent.blue()));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        soft.palette.setColor(group, QPalette::Highlight, tint);
        soft.palette.setColor(group, QPalette::HighlightedText,
                              option.palette.color(group, QPalette::Text));
    }
    return soft;
}

void SoftSelectionDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, softened(option), index);
}

} // namespace stowly
