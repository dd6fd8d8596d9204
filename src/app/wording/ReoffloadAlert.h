#pragma once

#include "app/model/AppFrontEnd.h"

namespace stowly {

// The confirmations of re-offloading a whole card and of forgetting a card's history.
namespace ReoffloadAlert {
Confirmation everythingText(const QString& cardName, qsizetype fileCount);
// A file offloaded more than once has several copies in the history; both are told then.
Confirmation forgetText(const QString& cardName, qsizetype fileCount, qsizetype copyCount);
// "Stowly forgot the 3 files it offloaded from “CARD” (7 copies). …"
QString forgottenText(const QString& quotedCardName, qsizetype fileCount, qsizetype copyCount);
} // namespace ReoffloadAlert

} // namespace stowly
