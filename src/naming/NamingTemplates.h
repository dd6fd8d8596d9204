#pragma once

#include "naming/NamingTemplate.h"

#include <optional>

namespace stowly {

// The folder and file template of one offload, both free of errors.
struct NamingTemplates {
    NamingTemplate folder;
    NamingTemplate file;

    // Nothing when either text has an error; warnings do not stop it.
    static std::optional<NamingTemplates> make(const QString& folder, const QString& file);
    // "{date}/{project}" and "{date}_{project}_{seq}".
    static const NamingTemplates& standard();

    friend bool operator==(const NamingTemplates&, const NamingTemplates&) = default;
};

} // namespace stowly
