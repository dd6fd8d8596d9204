#pragma once

#include "naming/NamingTemplate.h"

namespace stowly {

// Rewrites template texts stored by older versions, which had a separate {shoot} token.
namespace TemplateMigration {
QString migrate(const QString& text, NamingTemplate::Kind kind);
} // namespace TemplateMigration

} // namespace stowly
