#pragma once

#include <QString>

namespace stowly {

// The platform's own wording of an errno value ("No space left on device").
QString systemErrorText(int errnum);

} // namespace stowly
