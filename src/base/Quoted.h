#pragma once

#include <QString>

namespace stowly {

// A name as a sentence quotes it, with the quotation marks of the user's language (“A7SIII”,
// „A7SIII“, « A7SIII », 「A7SIII」).
QString quoted(const QString& text);

} // namespace stowly
