#pragma once

#include <QString>

namespace stowly {

// The state of one of the main window's three numbered stages.
enum class StageState { pending, active, done };

namespace stageState {
QString title(int stage); // "Card", "Media", "Destination"
QString rawValue(StageState state);
} // namespace stageState

} // namespace stowly
