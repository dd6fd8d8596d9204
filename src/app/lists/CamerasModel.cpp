#include "app/lists/CamerasModel.h"

#include "app/stores/CameraStore.h"

namespace stowly {

CamerasModel::CamerasModel(const CameraStore& store, QObject* parent)
    : QAbstractListModel(parent), m_store(store) {
    connect(&store, &CameraStore::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int CamerasModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_store.cameras().size());
}

QVariant CamerasModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Camera& camera = m_store.cameras()[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return camera.name;
    case IdRole:
        return camera.id;
    case CodeRole:
        return camera.code;
    case IsLastRole:
        return m_store.lastCameraID() == camera.id;
    default:
        return {};
    }
}

QHash<int, QByteArray> CamerasModel::roleNames() const {
    return {{IdRole, "id"}, {NameRole, "name"}, {CodeRole, "code"}, {IsLastRole, "isLast"}};
}

} // namespace stowly
