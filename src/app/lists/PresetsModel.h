#pragma once

#include <QAbstractListModel>

namespace stowly {

class PresetStore;

// The user's presets as a list a window can show; follows the store.
class PresetsModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        NameRole,
        DisplayNameRole,
        SummaryRole,
        DestinationPathRole,
        FolderTemplateRole,
        FileTemplateRole,
        CameraIdRole,
        SkipShortClipsRole,
        ShortClipSecondsRole,
        QuickDumpRole,
        IsActiveRole
    };
    Q_ENUM(Role)

    // The store must outlive the model.
    explicit PresetsModel(const PresetStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    const PresetStore& m_store;
};

} // namespace stowly
