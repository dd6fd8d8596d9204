#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

namespace stowly {

// The hash formats an ASC MHL manifest may carry, in the order a hash entry lists them.
enum class HashFormat { c4, md5, sha1, xxh128, xxh3, xxh64 };

namespace hashFormat {
// Every format, in manifest order.
const QList<HashFormat>& all();
// The element name ("xxh128").
QString name(HashFormat format);
std::optional<HashFormat> fromName(QStringView name);
// The digest bytes a value stands for (hex, or a C4 id), or nothing when the text is not a
// value of that format.
std::optional<QByteArray> decode(HashFormat format, QStringView value);
// Values keyed by their element names, the form records and outcomes carry them in.
QMap<QString, QString> named(const QMap<HashFormat, QString>& values);
} // namespace hashFormat

} // namespace stowly
