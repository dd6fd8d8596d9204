#pragma once

#include "app/settings/AppSettings.h"
#include "app/stores/DestinationStore.h"

namespace stowly {

// Changes of the destination shared by the window's commands, the presets and start-up. The
// caller tells the volume watcher to re-apply its destination rule afterwards.
namespace DestinationChoice {
// Makes the favourite's folder the destination and marks it used.
void useFavorite(AppSettings& settings, DestinationStore& destinations,
                 const FavoriteDestination& favorite);
// Makes a folder the destination: through its favourite when it has one, otherwise as a
// plain folder, and then no favourite counts as used.
void useFolder(AppSettings& settings, DestinationStore& destinations, const QString& path);

// Start-up: moves the single destination of older versions into the favourites once, then
// lets the favourites choose the destination. The store's first moved-folder pass may still
// be running; when it finds moved folders the choice is made again, unless the destination
// was changed meanwhile.
void chooseAtLaunch(AppSettings& settings, DestinationStore& destinations);
} // namespace DestinationChoice

} // namespace stowly
