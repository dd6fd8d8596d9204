#pragma once

#include "media/CardVolume.h"

#include <QString>

#include <optional>

namespace stowly {

class AppModel;
class Console;

// The card a command-line argument names, or none after telling the user why it names none.
std::optional<CardVolume> cardTargetOrReport(const QString& path, const AppModel& model,
                                             Console& console);

} // namespace stowly
