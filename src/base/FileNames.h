#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace stowly::fileNames {

// File names on Linux are bytes. Valid UTF-8 decodes as it is; each byte that is not part of a
// valid UTF-8 sequence becomes "%XX" so that two different names never decode to one text.
QString decode(QByteArrayView bytes);

// The last component of a path in bytes, decoded: what messages call the file.
QString nameOf(QByteArrayView path);

// The bytes for a text path: the inverse of decode for names that were valid UTF-8.
QByteArray encode(const QString& path);

// The length of the valid UTF-8 sequence that starts at bytes (1 for ASCII), or 0 when none
// does: overlong forms, surrogates and code points past U+10FFFF are not valid. At least one
// byte must be available.
qsizetype utf8SequenceLength(const char* bytes, qsizetype available);

// The text without the spaces and tabs around it. Names and patterns keep other white space
// (line breaks, no-break spaces), which QString::trimmed would take too.
QString trimSpacesAndTabs(QStringView text);

// Paths in plain code-point order, the order their UTF-8 bytes sort in. QString's own `<`
// compares UTF-16 units, which puts U+E000–U+FFFF (full-width letters among them) after the
// characters beyond U+FFFF.
bool codePointLess(QStringView a, QStringView b);

} // namespace stowly::fileNames
