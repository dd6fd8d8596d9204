#pragma once

#include <QImage>
#include <QStyledItemDelegate>

#include <functional>
#include <optional>

namespace stowly {

// Draws one file of the media stage, as a list row (thumbnail, planned name, detail line,
// status marks and size) or as a grid tile (thumbnail above, name and detail below). Every
// row has the same size, so the view lays out tens of thousands of rows without asking each.
class MediaTileDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The thumbnail of a row for a square of `points` on a screen of `scale`; none draws the
    // placeholder.
    using Thumbnail =
        std::function<std::optional<QImage>(const QModelIndex&, int points, double scale)>;

    explicit MediaTileDelegate(QObject* parent = nullptr);

    void setGrid(bool grid) { m_grid = grid; }
    bool isGrid() const { return m_grid; }
    // Whether list rows show a thumbnail (grid tiles always do).
    void setListThumbnails(bool on) { m_listThumbnails = on; }
    void setThumbnail(Thumbnail thumbnail) { m_thumbnail = std::move(thumbnail); }
    // Bytes done of the file being copied (its full size while it is read back).
    void setCopiedBytes(std::function<qint64()> bytes) { m_copiedBytes = std::move(bytes); }

    // The one size every row or tile has.
    QSize itemSize(const QFont& font, int listWidth) const;
    // Edge of the thumbnail in logical pixels.
    int thumbnailEdge() const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    void paintThumbnail(QPainter* painter, const QRect& rect, const QModelIndex& index,
                        const QPalette& palette) const;
    // The marks after the name, right to left; returns the space they took.
    int paintMarks(QPainter* painter, const QRect& rect, const QModelIndex& index,
                   const QStyleOptionViewItem& option) const;

    bool m_grid = false;
    bool m_listThumbnails = true;
    Thumbnail m_thumbnail;
    std::function<qint64()> m_copiedBytes;
};

} // namespace stowly
