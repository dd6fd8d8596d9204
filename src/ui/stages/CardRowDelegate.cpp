#include "ui/stages/CardRowDelegate.h"

#include "app/lists/CardListModel.h"
#include "ui/stages/StageStyle.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QIcon>
#include <QPainter>
#include <QPen>
#include <QToolTip>

namespace stowly {

namespace {
constexpr int padding = 8;
constexpr int iconEdge = 24;
} // namespace

CardRowDelegate::CardRowDelegate(Detail detail, Detail help, QObject* parent)
    : QStyledItemDelegate(parent), m_detail(std::move(detail)), m_help(std::move(help)) {}

bool CardRowDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !m_help)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString help = m_help(index);
    if (help.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), help, view);
    return true;
}

void CardRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The item's own background, without its text. The selected card is a soft tint of the
    // accent with an accent outline: a solid accent block (near-white in the dark default
    // theme) shouted louder than anything else in the window.
    const bool selected = opt.state & QStyle::State_Selected;
    opt.text.clear();
    opt.icon = {};
    opt.state &= ~QStyle::State_Selected;
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    if (selected) {
        QColor tint = opt.palette.color(QPalette::Highlight);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(tint, 1));
        tint.setAlphaF(0.16);
        painter->setBrush(tint);
        painter->drawRoundedRect(QRectF(opt.rect).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        painter->restore();
    }

    const QRect inner = opt.rect.adjusted(padding, padding, -padding, -padding);
    const QIcon icon =
        stageStyle::icon(QStringLiteral("media-flash"), QStringLiteral("drive-removable-media"));
    const QRect iconRect(inner.left(), inner.top(), iconEdge, iconEdge);
    icon.paint(painter, iconRect);

    const QRect text = inner.adjusted(iconEdge + padding, 0, 0, 0);
    painter->save();
    const QColor primary = opt.palette.color(QPalette::Text);
    QFont nameFont = opt.font;
    nameFont.setWeight(QFont::DemiBold);
    painter->setFont(nameFont);
    painter->setPen(primary);
    const QFontMetrics nameMetrics(nameFont);
    const QString name = index.data(CardListModel::NameRole).toString();
    const QString detail = m_detail ? m_detail(index) : QString();
    // A row without a detail line centres its name beside the icon.
    const int nameTop =
        detail.isEmpty() ? iconRect.center().y() - nameMetrics.height() / 2 + 1 : text.top();
    painter->drawText(QRect(text.left(), nameTop, text.width(), nameMetrics.height()),
                      Qt::AlignLeft | Qt::AlignVCenter,
                      nameMetrics.elidedText(name, Qt::ElideMiddle, text.width()));

    if (!detail.isEmpty()) {
        const QFont small = stageStyle::secondaryFont(opt.font);
        painter->setFont(small);
        painter->setPen(stageStyle::secondaryColor(opt.palette));
        const QFontMetrics smallMetrics(small);
        painter->drawText(QRect(text.left(), text.top() + nameMetrics.height() + 2, text.width(),
                                smallMetrics.height()),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          smallMetrics.elidedText(detail, Qt::ElideRight, text.width()));
    }
    painter->restore();
}

QSize CardRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    const QFontMetrics name(option.font);
    const QFontMetrics small(stageStyle::secondaryFont(option.font));
    const int height = std::max(iconEdge, name.height() + 2 + small.height());
    return {option.rect.width(), height + 2 * padding};
}

} // namespace stowly
