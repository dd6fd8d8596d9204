#pragma once

#include "naming/NamingTemplates.h"

#include <optional>

namespace stowly {

// Which free-text inputs the effective templates use, so only those are asked for.
struct NamingNeeds {
    bool usesProject = false;
    bool usesCamera = false;

    // Absent templates stand for the standard ones.
    explicit NamingNeeds(const std::optional<NamingTemplates>& templates);

    friend bool operator==(const NamingNeeds&, const NamingNeeds&) = default;
};

} // namespace stowly
