#pragma once

namespace stowly {

// What Qt's own accessibility leaves out of the window, filled in once for the application:
// - a tool button that opens its menu on click (the ☰ menu, the preset switcher, the
//   favourites, "Re-offload", the card's actions) opens it through "ShowMenu" and "Press" and
//   takes the focus through "SetFocus", as a mouse or keyboard user can;
// - a segmented switch (buttons with the "segment" role in a container whose "segments"
//   property is "tabs" or "choice") is a tab list or a group of radio buttons, not a row of
//   check boxes.
// Both may be set up after the widgets exist.
namespace AccessibleFactory {
void install();
} // namespace AccessibleFactory

} // namespace stowly
