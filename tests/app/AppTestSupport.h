#pragma once

#include "app/settings/AppSettings.h"
#include "app/stores/CameraStore.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/PresetStore.h"
#include "support/Printing.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QStringList>

namespace stowly::test {

// The names an unreadable store file was set aside under.
inline QStringList setAsideCopies(const QString& folder, const QString& fileName) {
    return QDir(folder).entryList({fileName + ".corrupt-*"}, QDir::Files | QDir::Hidden);
}

// Favourites kept in `file`, or in memory when there is none.
inline DestinationStore::Options destinationOptions(const std::optional<QString>& file,
                                                    DestinationStore::FolderExists exists = {}) {
    DestinationStore::Options o;
    o.filePath = file;
    o.folderExists = std::move(exists);
    return o;
}

// Settings and stores in memory, with real folders for the destinations.
struct MemoryStores {
    TempDir home;
    AppSettings settings{nullptr};
    DestinationStore destinations{destinationOptions(std::nullopt)};
    PresetStore presets{std::nullopt};
    CameraStore cameras{std::nullopt};

    QString folder(const QString& name) const {
        QDir().mkpath(home(name));
        return home(name);
    }
};

} // namespace stowly::test
