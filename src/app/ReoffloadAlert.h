#pragma once

#include "app/AppFrontEnd.h"

namespace stowly {

// The confirmations of re-offloading a whole card and of forgetting a card's history.
class ReoffloadAlert {
public:
    static Confirmation everythingText(const QString& cardName, qsizetype fileCount);
    static Confirmation forgetText(const QString& cardName, qsizetype entryCount);
};

} // namespace stowly
