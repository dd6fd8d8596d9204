#pragma once

#include <QIcon>
#include <QString>

namespace stowly {

// The window's own action icons: single-colour SVG drawings shipped inside the program
// (":/symbolic/<name>.svg", named as in the freedesktop icon theme), drawn at any size in the
// palette's text colour of the moment, so they follow the theme and never come out blank on a
// desktop without an icon theme.
namespace SymbolicIcon {
// The icon, or a null icon when the program ships none of that name.
QIcon named(const QString& name);
} // namespace SymbolicIcon

} // namespace stowly
