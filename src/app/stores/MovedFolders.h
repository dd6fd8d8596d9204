#pragma once

#include "devices/FolderBookmark.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUuid>

#include <atomic>
#include <functional>
#include <optional>

namespace stowly {

// The moved-folder pass over the favourites: for each favourite whose folder is gone, follow
// its bookmark to where the folder is now. Runs off the main thread over a snapshot.
namespace MovedFolders {
struct Favorite {
    QUuid id;
    QString path;
    std::optional<QByteArray> bookmark;
};

struct Snapshot {
    QList<Favorite> favorites;
    QList<FolderBookmark::Volume> volumes;
    // Called on the worker thread.
    std::function<bool(const QString&)> folderExists;
    FolderBookmark::Limits limits;
};

struct Move {
    QUuid id;
    QString oldPath;
    QString newPath;
    // A bookmark of the new place, when the old one named another place and a new one
    // could be made.
    std::optional<QByteArray> freshBookmark;
};

QList<Move> find(const Snapshot& snapshot, const std::atomic<bool>* cancelled);
} // namespace MovedFolders

} // namespace stowly
