#include "app/lists/FavoritesModel.h"

#include "app/stores/DestinationStore.h"

namespace stowly {

FavoritesModel::FavoritesModel(const DestinationStore& store, QObject* parent)
    : QAbstractListModel(parent), m_store(store) {
    // A mount change also emits changed, so the reset covers reachability too.
    connect(&store, &DestinationStore::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int FavoritesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_store.favorites().size());
}

QVariant FavoritesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const FavoriteDestination& favorite = m_store.favorites()[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case DisplayNameRole:
        return favorite.displayName();
    case IdRole:
        return favorite.id;
    case NameRole:
        return favorite.name;
    case PathRole:
        return favorite.path;
    case IsDefaultRole:
        return m_store.defaultID() == favorite.id;
    case IsLastUsedRole:
        return m_store.lastUsedID() == favorite.id;
    case IsReachableRole:
        return m_store.folderExists(favorite.path);
    default:
        return {};
    }
}

QHash<int, QByteArray> FavoritesModel::roleNames() const {
    return {{IdRole, "id"},
            {NameRole, "name"},
            {DisplayNameRole, "displayName"},
            {PathRole, "path"},
            {IsDefaultRole, "isDefault"},
            {IsLastUsedRole, "isLastUsed"},
            {IsReachableRole, "isReachable"}};
}

} // namespace stowly
