#pragma once

#include <QString>

namespace stowly {

// The free-text token values of one offload, each already cleaned with Renamer::sanitizeName.
struct NamingContext {
    QString project;
    QString camera;
    QString card;

    // Placeholders for empty values, so a preview never shows a hole.
    NamingContext fillingBlanks() const;

    friend bool operator==(const NamingContext&, const NamingContext&) = default;
};

} // namespace stowly
