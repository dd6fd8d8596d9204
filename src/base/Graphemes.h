#pragma once

#include <QString>
#include <QStringView>

#include <functional>

namespace stowly::graphemes {

// Name lengths are counted the way a user counts: in grapheme clusters, so a cut never splits
// an accented letter, a surrogate pair or an emoji sequence.

// True when every code unit is a grapheme of its own, which lets callers skip the boundary
// finder for plain text.
bool isSimple(QStringView text);

qsizetype count(QStringView text);

// The first `count` graphemes of the text.
QString left(const QString& text, qsizetype count);

// The first graphemes of the text that fit in `maxBytes` bytes of UTF-8.
QString leftBytes(const QString& text, qsizetype maxBytes);

// The length of the text in UTF-8.
qsizetype utf8Size(QStringView text);

// Calls `visit` with each grapheme in order.
void forEach(QStringView text, const std::function<void(QStringView)>& visit);

} // namespace stowly::graphemes
