#pragma once

#include <QString>
#include <QStringView>

namespace stowly {

// What a file or folder name component may contain, shared by parsing and rendering.
namespace NameRules {
// The characters no name may hold on the file systems cards and drives use. "/" is not among
// them: it separates folder levels and is handled where that matters.
const QString& illegalCharacters();

// Any text made usable as one file or folder name component; may come back empty.
QString safeComponent(const QString& text);

inline bool isIllegal(char32_t c) {
    return c < 0x80 && illegalCharacters().contains(QChar(char16_t(c)));
}
// Control and format code points (tabs, line breaks, zero-width marks).
bool isControlOrFormat(char32_t c);

// The form names are compared in: two names equal after folding are the same name on a
// case-insensitive destination.
inline QString fold(const QString& name) {
    return name.toCaseFolded();
}
} // namespace NameRules

} // namespace stowly
