#pragma once

#include "app/stores/OffloadPreset.h"
#include "app/stores/StoreFile.h"

#include <QList>
#include <QObject>

#include <functional>
#include <optional>

namespace stowly {

// The user's presets and which one is in use, kept in "presets.json". Every edit saves at once.
// Main thread only.
class PresetStore : public QObject {
    Q_OBJECT
public:
    // Without a file location everything stays in memory.
    explicit PresetStore(std::optional<QString> filePath, QList<OffloadPreset> presets = {},
                         std::optional<QUuid> activeID = std::nullopt, QObject* parent = nullptr);
    static QString defaultFileURL();

    const QList<OffloadPreset>& presets() const { return m_presets; }
    const std::optional<QUuid>& activeID() const { return m_activeID; }
    const std::optional<QString>& lastError() const { return m_file.lastError(); }
    const std::optional<QString>& filePath() const { return m_file.path(); }

    std::optional<OffloadPreset> preset(const std::optional<QUuid>& id) const;
    std::optional<OffloadPreset> activePreset() const { return preset(m_activeID); }

    // The name, or the name with " 2", " 3"… while another preset (not the excluded one) is
    // called that in any case. Blank names of others count as "Untitled Preset".
    QString uniqueName(const QString& name, const std::optional<QUuid>& excluding) const;

    // Stores a copy under a unique name at the end and returns it.
    OffloadPreset add(const OffloadPreset& preset);
    // Replaces the preset with the same id, when there is one and it differs.
    void update(const OffloadPreset& preset);
    // Changes the preset's settings in place; its id and name stay (names go through rename).
    void edit(const QUuid& id, const std::function<void(OffloadPreset&)>& change);
    // Trimmed, "Untitled Preset" when blank, unique among the others.
    void rename(const QUuid& id, const QString& name);
    // A copy named "<name> Copy" (made unique), stored at the end.
    std::optional<OffloadPreset> duplicate(const QUuid& id);
    void remove(const QUuid& id);
    void move(const QList<int>& fromOffsets, int toOffset);
    // The id when it names a preset, else none.
    void markActive(const std::optional<QUuid>& id);

Q_SIGNALS:
    void changed();

private:
    void load();
    void save();
    int indexOf(const QUuid& id) const;

    QList<OffloadPreset> m_presets;
    std::optional<QUuid> m_activeID;
    StoreFile m_file;
};

} // namespace stowly
