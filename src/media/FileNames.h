#pragma once

#include <QByteArray>
#include <QString>

namespace stowly::fileNames {

// File names on Linux are bytes. Valid UTF-8 decodes as it is; each byte that is not part of a
// valid UTF-8 sequence becomes "%XX" so that two different names never decode to one text.
QString decode(QByteArrayView bytes);

// The bytes for a text path: the inverse of decode for names that were valid UTF-8.
QByteArray encode(const QString& path);

} // namespace stowly::fileNames
