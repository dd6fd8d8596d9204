#include "app/DestinationChoice.h"

namespace stowly {

void DestinationChoice::useFavorite(AppSettings& settings, DestinationStore& destinations,
                                    const FavoriteDestination& favorite) {
    settings.setDestinationPath(favorite.path);
    destinations.markUsed(favorite.id);
}

void DestinationChoice::useFolder(AppSettings& settings, DestinationStore& destinations,
                                  const QString& path) {
    if (const std::optional<FavoriteDestination> favorite = destinations.favoriteForPath(path)) {
        useFavorite(settings, destinations, *favorite);
        return;
    }
    settings.setDestinationPath(path);
    destinations.markUsed(std::nullopt);
}

void DestinationChoice::chooseAtLaunch(AppSettings& settings, DestinationStore& destinations) {
    if (!settings.destinationMovedToFavorites()) {
        destinations.adoptLegacyDestination(settings.destinationPath());
        settings.setDestinationMovedToFavorites(true);
    }
    const std::optional<QString> chosen =
        destinations.launchDestination(settings.destinationPath());
    if (chosen != settings.destinationPath())
        settings.setDestinationPath(chosen);
    if (!destinations.isFindingMovedFolders())
        return;
    QObject::connect(
        &destinations, &DestinationStore::movedFoldersChecked, &settings,
        [&settings, &destinations, chosen](bool movedAny) {
            if (!movedAny || settings.destinationPath() != chosen)
                return;
            const std::optional<QString> again = destinations.launchDestination(chosen);
            if (again != chosen)
                settings.setDestinationPath(again);
        },
        Qt::SingleShotConnection);
}

} // namespace stowly
