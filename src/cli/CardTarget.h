#pragma once

#include "media/CardVolume.h"

#include <QString>

#include <optional>
#include <variant>

namespace stowly {

class Console;
class VolumeFacts;

// The card a command-line argument names: a mounted volume's root, which carries the volume's
// name and UUID, or any other folder, treated as a card named after the folder and without a
// UUID.
class CardTarget {
public:
    // The card, or why the path names none, as a sentence.
    static std::variant<CardVolume, QString> resolve(const QString& path,
                                                     const VolumeFacts& volumes);
    // The card, or none after telling the user why the path names none.
    static std::optional<CardVolume> resolveOrReport(const QString& path,
                                                     const VolumeFacts& volumes, Console& console);
};

} // namespace stowly
