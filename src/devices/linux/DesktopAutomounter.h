#pragma once

#include <QString>

namespace stowly {

// Whether a desktop's automounter runs (GNOME's volume monitor, udiskie, KDE's daemon): where
// one does, cards are mounted without Stowly's help.
namespace DesktopAutomounter {
// procFolder is the process table to look through; tests give a tree of their own.
bool isRunning(const QString& procFolder = QStringLiteral("/proc"));
} // namespace DesktopAutomounter

} // namespace stowly
