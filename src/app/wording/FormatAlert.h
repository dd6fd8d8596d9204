#pragma once

#include "app/model/AppFrontEnd.h"
#include "app/model/AppModel.h"
#include "devices/FormatReadiness.h"

#include <QDir>
#include <QString>

#include <optional>

namespace stowly {

// The words around erasing a card: the format button, its help, the confirmation and the
// lines shown while and after it runs.
namespace FormatAlert {
// "Format", or "Format and Discard 3 Short Clips" when skipped short clips would be lost.
QString formatTitle(const std::optional<FormatReadiness>& readiness);
// Why the button does or does not erase the card now.
QString helpText(bool canFormat, const std::optional<FormatReadiness>& readiness);
// The confirmation: what was copied and where, what will be lost, and that it is final.
// `home` is abbreviated to "~" in the copies folder.
Confirmation text(const QString& cardName, const FormatReadiness& readiness,
                  const QString& home = QDir::homePath());

// The erase refused because the last look at the card could not read all of it.
QString unreadableText(const QString& cardName, const ScanFailure& failure);

// "Formatting “NAME”…"
QString formattingText(const QString& cardName);
// "“NAME” was formatted and is ready for your camera."
QString formattedText(const QString& cardName);
// The card stage's line for the model's format state; none while idle. A failure is its
// message as it stands.
std::optional<QString> stateText(const AppModel::FormatState& state);
} // namespace FormatAlert

} // namespace stowly
