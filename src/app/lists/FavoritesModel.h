#pragma once

#include <QAbstractListModel>

namespace stowly {

class DestinationStore;

// The favourite destinations as a list a window can show; follows the store, and re-asks
// which folders are reachable whenever a drive comes or goes.
class FavoritesModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        NameRole,
        DisplayNameRole,
        PathRole,
        IsDefaultRole,
        IsLastUsedRole,
        IsReachableRole
    };
    Q_ENUM(Role)

    // The store must outlive the model.
    explicit FavoritesModel(const DestinationStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    const DestinationStore& m_store;
};

} // namespace stowly
