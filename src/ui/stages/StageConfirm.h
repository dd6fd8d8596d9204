#pragma once

#include "app/model/AppFrontEnd.h"

#include <functional>

class QWidget;

namespace stowly {

// How a stage asks the user to confirm a step the model does not ask about itself (the erase).
// The window routes it through its front end; by default a message box asks.
using StageConfirm = std::function<void(const Confirmation&, std::function<void(bool)> done)>;

namespace stageConfirm {
// A modal question over parent, answered at once.
StageConfirm messageBox(QWidget* parent);
} // namespace stageConfirm

} // namespace stowly
