#pragma once

#include "app/AppFrontEnd.h"

namespace stowly {

// The confirmations of re-offloading a whole card and of forgetting a card's history.
namespace ReoffloadAlert {
Confirmation everythingText(const QString& cardName, qsizetype fileCount);
Confirmation forgetText(const QString& cardName, qsizetype entryCount);
} // namespace ReoffloadAlert

} // namespace stowly
