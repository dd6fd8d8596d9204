#pragma once

#include "media/MediaCategory.h"

#include <QColor>
#include <QList>
#include <QString>

class QPainter;
class QRectF;

namespace stowly {

// The tile a file shows while it has no thumbnail: a muted colour that is the same for a name
// on every launch, with a glyph for the kind of media.
struct PlaceholderColor {
    // (stable hash of the name mod 1000) / 1000: from 0 up to, not including, 1.
    static double position(const QString& fileName);
    static QColor of(const QString& fileName, bool darkAppearance);
    static const QList<QColor>& colors(bool darkAppearance);

    // Fills the rectangle with the name's colour and draws the category's glyph in it.
    static void paint(QPainter& painter, const QRectF& rect, const QString& fileName,
                      bool darkAppearance);
};

} // namespace stowly
