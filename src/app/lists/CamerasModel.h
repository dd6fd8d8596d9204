#pragma once

#include <QAbstractListModel>

namespace stowly {

class CameraStore;

// The user's cameras as a list a window can show; follows the store.
class CamerasModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { IdRole = Qt::UserRole + 1, NameRole, CodeRole, IsLastRole };
    Q_ENUM(Role)

    // The store must outlive the model.
    explicit CamerasModel(const CameraStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    const CameraStore& m_store;
};

} // namespace stowly
