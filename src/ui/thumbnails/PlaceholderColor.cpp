#include "ui/thumbnails/PlaceholderColor.h"

#include "base/StableHash.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace stowly {

double PlaceholderColor::position(const QString& fileName) {
    return double(StableHash::of(fileName) % 1000) / 1000.0;
}

const QList<QColor>& PlaceholderColor::colors(bool darkAppearance) {
    // Low saturation, so a card of placeholders reads as calm rather than as a warning.
    static const QList<QColor> light{QColor(0xc9d3df), QColor(0xd6cfe3), QColor(0xcfe0d6),
                                     QColor(0xe3d7c9), QColor(0xd9dccb), QColor(0xc8dcde),
                                     QColor(0xe0cdd3), QColor(0xd2d4d8)};
    static const QList<QColor> dark{QColor(0x3a4656), QColor(0x463f57), QColor(0x3c5146),
                                    QColor(0x54473a), QColor(0x4a4c3b), QColor(0x374d50),
                                    QColor(0x523c44), QColor(0x44464b)};
    return darkAppearance ? dark : light;
}

QColor PlaceholderColor::of(const QString& fileName, bool darkAppearance) {
    const QList<QColor>& list = colors(darkAppearance);
    const auto index = std::min(qsizetype(position(fileName) * list.size()), list.size() - 1);
    return list.at(index);
}

void PlaceholderColor::paint(QPainter& painter, const QRectF& rect, const QString& fileName,
                             bool darkAppearance) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect, of(fileName, darkAppearance));
    const double side = std::min(rect.width(), rect.height()) * 0.36;
    const QRectF glyph(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    QColor ink = darkAppearance ? QColor(255, 255, 255) : QColor(0, 0, 0);
    ink.setAlphaF(0.45);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    QPainterPath path;
    switch (mediaCategory::classify(mediaCategory::extensionOf(fileName))) {
    case MediaCategory::video:
        path.moveTo(glyph.left() + side * 0.2, glyph.top());
        path.lineTo(glyph.right(), glyph.center().y());
        path.lineTo(glyph.left() + side * 0.2, glyph.bottom());
        path.closeSubpath();
        break;
    case MediaCategory::photo:
        // Two hills under a sun.
        path.moveTo(glyph.left(), glyph.bottom());
        path.lineTo(glyph.left() + side * 0.38, glyph.top() + side * 0.4);
        path.lineTo(glyph.left() + side * 0.62, glyph.top() + side * 0.7);
        path.lineTo(glyph.left() + side * 0.78, glyph.top() + side * 0.52);
        path.lineTo(glyph.right(), glyph.bottom());
        path.closeSubpath();
        path.addEllipse(QPointF(glyph.left() + side * 0.8, glyph.top() + side * 0.15), side * 0.12,
                        side * 0.12);
        break;
    case MediaCategory::audio:
    case MediaCategory::other:
        path.addRoundedRect(glyph.adjusted(side * 0.18, 0, -side * 0.18, 0), side * 0.08,
                            side * 0.08);
        break;
    }
    painter.drawPath(path);
    painter.restore();
}

} // namespace stowly
