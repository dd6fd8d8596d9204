#include "ui/stages/MediaTileDelegate.h"

#include "app/lists/SessionFilesModel.h"
#include "app/wording/MediaFactsText.h"
#include "app/wording/MediaTileInfo.h"
#include "devices/SpaceInfo.h"
#include "ui/stages/StageStyle.h"
#include "ui/thumbnails/PlaceholderColor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace stowly {

namespace {

constexpr int padding = 8;
constexpr int listThumbnail = 40;
constexpr int gridThumbnail = 144;
constexpr int markEdge = 16;

using Status = SessionFilesModel::FileStatus;

struct Mark {
    QIcon icon;
    QString text;
    QString help;
    bool warning = false;
};

int sizeColumnWidth(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(QStringLiteral("999.9 MB"));
}

QList<Mark> marksOf(const QModelIndex& index) {
    QList<Mark> marks;
    const auto status = Status(index.data(SessionFilesModel::StatusRole).toInt());
    if (const QVariant damage = index.data(SessionFilesModel::DamageRole); damage.isValid())
        marks.append({stageStyle::icon(QStringLiteral("emblem-important")),
                      {},
                      MediaFactsText::damagedHelp(damage.toString()),
                      true});
    if (status == Status::missing)
        marks.append({stageStyle::icon(QStringLiteral("dialog-warning")),
                      {},
                      MediaTileInfo::missingHelp(),
                      true});
    if (index.data(SessionFilesModel::IsReoffloadRole).toBool())
        marks.append(
            {stageStyle::icon(QStringLiteral("view-refresh")), {}, MediaTileInfo::reoffloadHelp()});
    if (index.data(SessionFilesModel::IsIncludedShortRole).toBool())
        marks.append(
            {stageStyle::icon(QStringLiteral("alarm")), {}, MediaTileInfo::includedShortHelp()});
    if (const int sidecars = index.data(SessionFilesModel::SidecarCountRole).toInt())
        marks.append({stageStyle::icon(QStringLiteral("mail-attachment")),
                      {},
                      MediaTileInfo::sidecarsHelp(sidecars)});
    if (status == Status::verified || status == Status::offloaded)
        marks.append({stageStyle::icon(QStringLiteral("emblem-ok")), {}, {}});
    return marks;
}

QString nameOf(const QModelIndex& index) {
    const QString planned = index.data(SessionFilesModel::PlannedNameRole).toString();
    return planned.isEmpty() ? index.data(SessionFilesModel::DisplayNameRole).toString() : planned;
}

} // namespace

MediaTileDelegate::MediaTileDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

int MediaTileDelegate::thumbnailEdge() const {
    return m_grid ? gridThumbnail : (m_listThumbnails ? listThumbnail : 0);
}

QSize MediaTileDelegate::itemSize(const QFont& font, int listWidth) const {
    const QFontMetrics body(font);
    const QFontMetrics small(stageStyle::secondaryFont(font));
    if (m_grid)
        return {gridThumbnail + 2 * padding,
                gridThumbnail * 2 / 3 + body.height() + small.height() + 2 + 3 * padding};
    const int text = body.height() + 2 + small.height();
    return {std::max(1, listWidth), std::max(text, thumbnailEdge()) + padding + padding / 2};
}

QSize MediaTileDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return itemSize(option.font, 0);
}

void MediaTileDelegate::paintThumbnail(QPainter* painter, const QRect& rect,
                                       const QModelIndex& index, const QPalette& palette) const {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const std::optional<QImage> image =
        m_thumbnail ? m_thumbnail(index, std::max(rect.width(), rect.height()), scale)
                    : std::nullopt;
    painter->save();
    QPainterPath clip;
    clip.addRoundedRect(rect, 4, 4);
    painter->setClipPath(clip);
    if (image && !image->isNull()) {
        painter->fillRect(rect, palette.color(QPalette::Shadow));
        QSizeF size = image->size();
        size.scale(rect.size(), Qt::KeepAspectRatioByExpanding);
        QRectF target(QPointF(), size);
        target.moveCenter(QRectF(rect).center());
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(target, *image);
    } else {
        const bool dark = palette.color(QPalette::Window).lightnessF() < 0.5;
        PlaceholderColor::paint(*painter, rect,
                                index.data(SessionFilesModel::DisplayNameRole).toString(), dark);
    }
    painter->restore();
}

int MediaTileDelegate::paintMarks(QPainter* painter, const QRect& rect, const QModelIndex& index,
                                  const QStyleOptionViewItem& option) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QColor text = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    int x = rect.right() + 1;
    for (const Mark& mark : marksOf(index)) {
        x -= markEdge;
        const QPixmap pixmap = stageStyle::tinted(
            mark.icon, mark.warning ? QColor(0xE0, 0x8A, 0x1C) : text, markEdge, ratio);
        painter->drawPixmap(QRect(x, rect.center().y() - markEdge / 2, markEdge, markEdge), pixmap);
        x -= 4;
    }
    return rect.right() + 1 - x;
}

void MediaTileDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    opt.text.clear();
    opt.icon = {};
    opt.features &= ~QStyleOptionViewItem::HasDecoration;
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const bool selected = opt.state & QStyle::State_Selected;
    const QColor primary = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QColor secondary = selected ? primary : stageStyle::secondaryColor(opt.palette);
    const QFont small = stageStyle::secondaryFont(opt.font);
    const QFontMetrics body(opt.font);
    const QFontMetrics smallMetrics(small);
    const auto status = Status(index.data(SessionFilesModel::StatusRole).toInt());
    const QString name = nameOf(index);
    // A name still holding a stand-in for a missing project or camera reads as provisional.
    QFont nameFont = opt.font;
    nameFont.setItalic(index.data(SessionFilesModel::IsPlaceholderNameRole).toBool());
    const QString detail = index.data(SessionFilesModel::DetailRole).toString();

    painter->save();
    if (m_grid) {
        const QRect tile = opt.rect.adjusted(padding, padding, -padding, -padding);
        const QRect thumb(tile.left(), tile.top(), tile.width(), gridThumbnail * 2 / 3);
        paintThumbnail(painter, thumb, index, opt.palette);
        const QRect marks(thumb.left() + 4, thumb.bottom() - markEdge - 4, thumb.width() - 8,
                          markEdge);
        paintMarks(painter, marks, index, opt);
        int y = thumb.bottom() + 1 + padding / 2;
        painter->setFont(nameFont);
        painter->setPen(primary);
        painter->drawText(QRect(tile.left(), y, tile.width(), body.height()), Qt::AlignCenter,
                          body.elidedText(name, Qt::ElideMiddle, tile.width()));
        y += body.height() + 2;
        painter->setFont(small);
        painter->setPen(secondary);
        painter->drawText(QRect(tile.left(), y, tile.width(), smallMetrics.height()),
                          Qt::AlignCenter,
                          smallMetrics.elidedText(detail, Qt::ElideMiddle, tile.width()));
    } else {
        QRect row = opt.rect.adjusted(padding, padding / 2, -padding, -padding / 2);
        if (m_listThumbnails) {
            const QRect thumb(row.left(), row.center().y() - listThumbnail / 2 + 1, listThumbnail,
                              listThumbnail);
            paintThumbnail(painter, thumb, index, opt.palette);
            row.setLeft(thumb.right() + 1 + padding);
        }
        // Size on the right, then the marks, then the names take what is left.
        painter->setFont(small);
        const QString size =
            SpaceInfo::formatBytes(index.data(SessionFilesModel::SizeRole).toLongLong());
        // One width for every row, so the marks line up in a column.
        const int sizeWidth = sizeColumnWidth(smallMetrics);
        painter->setPen(secondary);
        painter->drawText(QRect(row.right() - sizeWidth + 1, row.top(), sizeWidth, row.height()),
                          Qt::AlignRight | Qt::AlignVCenter, size);
        row.setRight(row.right() - sizeWidth - padding);
        const int marks = paintMarks(painter, row, index, opt);
        row.setRight(row.right() - marks - (marks ? padding : 0));

        // A row without a detail line centres its name.
        const int textHeight =
            detail.isEmpty() ? body.height() : body.height() + 2 + smallMetrics.height();
        const int top = row.top() + (row.height() - textHeight) / 2;
        painter->setFont(nameFont);
        painter->setPen(status == Status::skipped && !selected ? secondary : primary);
        painter->drawText(QRect(row.left(), top, row.width(), body.height()),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          body.elidedText(name, Qt::ElideMiddle, row.width()));
        painter->setFont(small);
        painter->setPen(secondary);
        painter->drawText(
            QRect(row.left(), top + body.height() + 2, row.width(), smallMetrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter,
            smallMetrics.elidedText(detail, Qt::ElideMiddle, row.width()));
    }
    if (status == Status::copying) {
        // A thin bar along the bottom shows how far the file being copied is.
        const qint64 size = index.data(SessionFilesModel::SizeRole).toLongLong();
        const qint64 done = m_copiedBytes ? m_copiedBytes() : 0;
        const double fraction = size > 0 ? std::clamp(double(done) / double(size), 0.0, 1.0) : 1.0;
        const QRect track(opt.rect.left() + padding, opt.rect.bottom() - 2,
                          opt.rect.width() - 2 * padding, 2);
        painter->fillRect(track, opt.palette.color(QPalette::Midlight));
        painter->fillRect(QRect(track.topLeft(), QSize(int(track.width() * fraction), 2)),
                          opt.palette.color(QPalette::Highlight));
    }
    painter->restore();
}

bool MediaTileDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                  const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    // The mark under the pointer explains itself; elsewhere the row's full text shows.
    QString help;
    if (!m_grid) {
        const QRect rect = option.rect;
        const QFontMetrics small(stageStyle::secondaryFont(option.font));
        const int sizeWidth = sizeColumnWidth(small);
        int x = rect.right() - padding - sizeWidth - padding + 1;
        for (const Mark& mark : marksOf(index)) {
            if (event->pos().x() >= x - markEdge && event->pos().x() < x)
                help = mark.help;
            x -= markEdge + 4;
        }
    }
    if (help.isEmpty()) {
        help = index.data(Qt::ToolTipRole).toString();
        if (help.isEmpty())
            help = nameOf(index);
    }
    QToolTip::showText(event->globalPos(), help, view);
    return true;
}

} // namespace stowly
