#include "app/model/DestinationChoice.h"

namespace stowly {

void DestinationChoice::useFavorite(AppSettings& settings, DestinationStore& destinations,
                                    const FavoriteDestination& favorite) {
    settings.setValue(setting::destinationPath, favorite.path);
    destinations.markUsed(favorite.id);
}

void DestinationChoice::useFolder(AppSettings& settings, DestinationStore& destinations,
                                  const QString& path) {
    if (const std::optional<FavoriteDestination> favorite = destinations.favoriteForPath(path)) {
        useFavorite(settings, destinations, *favorite);
        return;
    }
    settings.setValue(setting::destinationPath, path);
    destinations.markUsed(std::nullopt);
}

void DestinationChoice::chooseAtLaunch(AppSettings& settings, DestinationStore& destinations) {
    if (!settings.value(setting::destinationMovedToFavorites)) {
        destinations.adoptLegacyDestination(settings.value(setting::destinationPath));
        settings.setValue(setting::destinationMovedToFavorites, true);
    }
    const std::optional<QString> chosen =
        destinations.launchDestination(settings.value(setting::destinationPath));
    if (chosen != settings.value(setting::destinationPath))
        settings.setValue(setting::destinationPath, chosen);
    if (!destinations.isFindingMovedFolders())
        return;
    QObject::connect(
        &destinations, &DestinationStore::movedFoldersChecked, &settings,
        [&settings, &destinations, chosen](bool movedAny) {
            if (!movedAny || settings.value(setting::destinationPath) != chosen)
                return;
            const std::optional<QString> again = destinations.launchDestination(chosen);
            if (again != chosen)
                settings.setValue(setting::destinationPath, again);
        },
        Qt::SingleShotConnection);
}

} // namespace stowly
