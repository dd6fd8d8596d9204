#pragma once

#include "mhl/MhlManifest.h"

#include <QByteArray>
#include <QString>

#include <variant>

namespace stowly {

// The XML form of a manifest (namespace urn:ASC:MHL:v2.0, UTF-8).
namespace ManifestXml {
QByteArray write(const MhlManifest& manifest);
// The manifest, or what is wrong with it in words that name `fileName`. Strict: a document
// that is not a well-formed version 2.0 hashlist, an element it does not know in a hash, a
// value that is not of its format, a path that leaves the folder or a path recorded twice is
// refused whole.
std::variant<MhlManifest, QString> read(const QByteArray& bytes, const QString& fileName);

// Whether a recorded path stays inside the folder: relative, "/"-separated, no "." or ".."
// component, no empty one.
bool isSafePath(QStringView path);
} // namespace ManifestXml

} // namespace stowly
