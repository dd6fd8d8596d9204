#pragma once

#include <QString>

namespace stowly {

// Turns free text typed by the user (project, camera, card name) into a token value.
namespace Renamer {
// Letters and ASCII digits stay, each word capitalised; "-" stays; everything else goes.
// Trimmed of "-" and cut to at most maxLength characters: "my project 2" → "MyProject2".
QString sanitizeName(const QString& text, int maxLength);
} // namespace Renamer

} // namespace stowly
