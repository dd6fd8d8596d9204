#pragma once

#include "app/settings/DisplayOptions.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QString>

namespace stowly {

// The colours of one theme in one appearance. Everything the window paints comes from these,
// through the palette or the style sheet.
struct ThemeColors {
    QColor window;
    // Stage panels and the offload bar, a step off the window.
    QColor panel;
    // Lists and fields.
    QColor base;
    QColor text;
    QColor secondaryText;
    QColor accent;
    // Text on the accent: the start button, selected rows, the active stage badge.
    QColor onAccent;
    QColor separator;
    QColor warning;
    bool highContrast = false;
};

// Qt's Fusion style with a palette per theme and appearance, and a small style sheet for what
// the palette cannot say (panels, badges, pills, the start button).
namespace Theme {
ThemeColors colors(ThemeID theme, bool dark, bool highContrast);
QPalette palette(const ThemeColors& colors);
// Sizes follow the desktop's font: stage titles 1.15×, finished titles 1.5×, secondary 0.9×.
QString styleSheet(const ThemeColors& colors, const QFont& font);
// A standard action icon from the desktop's icon theme (Adwaita when it names none), its
// symbolic form drawn in the given colour so it reads on light and dark windows alike.
QIcon icon(const QString& name, const QColor& color);
// Where the desktop names no icon theme, the one installed with Stowly stands in.
void useFallbackIcons();
// WCAG contrast ratio of two opaque colours, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);
} // namespace Theme

} // namespace stowly
