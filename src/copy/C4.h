#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace stowly {

// C4 ids: a SHA-512 digest written in base58 ("c4" and 88 digits), the form ASC MHL names
// manifests and hashes with.
namespace C4 {
// The id of the bytes.
QString id(QByteArrayView bytes);
// The id of a 64-byte SHA-512 digest.
QString fromDigest(QByteArrayView digest);
// The 64-byte digest an id stands for, or nothing when the text is no C4 id.
std::optional<QByteArray> digest(QStringView id);
} // namespace C4

} // namespace stowly
