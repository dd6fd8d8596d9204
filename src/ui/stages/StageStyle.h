#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

namespace stowly {

// The few looks the stages share, on top of the palette and the application style sheet.
namespace stageStyle {
// A freedesktop icon by name, else its symbolic form (the fallback theme has only those); the
// alternative name likewise when the theme has neither.
QIcon icon(const QString& name, const QString& alternative = {});
// The icon drawn in one colour (symbolic icons come in one grey, unreadable on a dark theme),
// at an edge in logical pixels on a screen of `ratio`; remembered, as list rows ask on every
// paint.
QPixmap tinted(const QIcon& icon, const QColor& color, int edge, qreal ratio);
// Secondary text: 0.9× the body size.
QFont secondaryFont(const QFont& body);
QColor secondaryColor(const QPalette& palette);
// Marks a widget for the style sheet ("secondary", "warning", "badge"…) and re-polishes it.
void setRole(QWidget* widget, const QString& role);
// A wrapping label in the secondary style.
QLabel* secondaryLabel(const QString& text, QWidget* parent);
// A bold line that heads an empty or finished state, 1.15× the body size.
QLabel* titleLabel(const QString& text, QWidget* parent);
} // namespace stageStyle

} // namespace stowly
