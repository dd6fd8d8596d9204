#pragma once

#include "media/CardVolume.h"

#include <QString>

#include <variant>

namespace stowly {

class VolumeFacts;

// The card a folder path names: a mounted volume's root, which carries the volume's name and
// UUID, or any other folder, treated as a card named after the folder and without a UUID. Or
// why the path names none, as a sentence.
std::variant<CardVolume, QString> cardAtPath(const QString& path, const VolumeFacts& volumes);

} // namespace stowly
