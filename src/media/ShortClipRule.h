#pragma once

namespace stowly {

// Video clips shorter than the threshold stay on the card when the rule is on.
struct ShortClipRule {
    bool isEnabled = false;
    double threshold = 5.0; // seconds

    friend bool operator==(const ShortClipRule&, const ShortClipRule&) = default;
};

} // namespace stowly
