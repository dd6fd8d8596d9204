#pragma once

#include <QString>

namespace stowly {

// Where and why a walk over a card could not read all of it.
struct ScanFailure {
    // The folder or file that could not be read, relative to the card's top with "/" between
    // components; empty for the top itself.
    QString path;
    // The system's words ("Input/output error").
    QString reason;

    // "Stowly couldn’t read “DCIM/101CANON” on this card (Input/output error)."
    QString description() const;

    friend bool operator==(const ScanFailure&, const ScanFailure&) = default;
};

} // namespace stowly
