#include "app/lists/PresetsModel.h"

#include "app/stores/PresetStore.h"

namespace stowly {

namespace {

template <typename T> QVariant optionalValue(const std::optional<T>& value) {
    return value ? QVariant::fromValue(*value) : QVariant();
}

} // namespace

PresetsModel::PresetsModel(const PresetStore& store, QObject* parent)
    : QAbstractListModel(parent), m_store(store) {
    connect(&store, &PresetStore::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int PresetsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_store.presets().size());
}

QVariant PresetsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const OffloadPreset& preset = m_store.presets()[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case DisplayNameRole:
        return preset.displayName();
    case IdRole:
        return preset.id;
    case NameRole:
        return preset.name;
    case SummaryRole:
        return preset.summary();
    case DestinationPathRole:
        return optionalValue(preset.destinationPath);
    case FolderTemplateRole:
        return preset.folderTemplate;
    case FileTemplateRole:
        return preset.fileTemplate;
    case CameraIdRole:
        return optionalValue(preset.cameraID);
    case SkipShortClipsRole:
        return preset.skipShortClips;
    case ShortClipSecondsRole:
        return preset.shortClipSeconds;
    case QuickDumpRole:
        return preset.quickDump;
    case IsActiveRole:
        return m_store.activeID() == preset.id;
    default:
        return {};
    }
}

QHash<int, QByteArray> PresetsModel::roleNames() const {
    return {{IdRole, "id"},
            {NameRole, "name"},
            {DisplayNameRole, "displayName"},
            {SummaryRole, "summary"},
            {DestinationPathRole, "destinationPath"},
            {FolderTemplateRole, "folderTemplate"},
            {FileTemplateRole, "fileTemplate"},
            {CameraIdRole, "cameraID"},
            {SkipShortClipsRole, "skipShortClips"},
            {ShortClipSecondsRole, "shortClipSeconds"},
            {QuickDumpRole, "quickDump"},
            {IsActiveRole, "isActive"}};
}

} // namespace stowly
