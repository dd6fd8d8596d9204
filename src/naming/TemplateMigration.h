#pragma once

#include "naming/NamingTemplate.h"

namespace stowly {

// Rewrites template texts stored by older versions, which had a separate {shoot} token.
class TemplateMigration {
public:
    static QString migrate(const QString& text, NamingTemplate::Kind kind);
};

} // namespace stowly
