#include "app/stores/PresetOperations.h"

#include "app/model/DestinationChoice.h"

#include <QCoreApplication>

namespace stowly {

PresetOperations::PresetOperations(AppSettings& settings, DestinationStore& destinations,
                                   PresetStore& presets, CameraStore& cameras, Hooks hooks)
    : m_settings(settings), m_destinations(destinations), m_presets(presets), m_cameras(cameras),
      m_hooks(std::move(hooks)) {
    // A preset's destination goes where its favourite goes, as the window's destination does.
    QObject::connect(&destinations, &DestinationStore::folderChanged, &presets,
                     [&presets](const QString& from, const QString& to) {
                         const QList<OffloadPreset> all = presets.presets();
                         for (const OffloadPreset& preset : all)
                             if (preset.destinationPath &&
                                 DestinationStore::normalized(*preset.destinationPath) == from)
                                 presets.edit(preset.id, [&](OffloadPreset& edited) {
                                     edited.destinationPath = to;
                                 });
                     });
}

std::optional<PresetSession> PresetOperations::session() const {
    return m_hooks.session ? m_hooks.session() : std::nullopt;
}

void PresetOperations::applyPreset(const OffloadPreset& preset) {
    const std::optional<PresetSession> open = session();
    if (open && open->phase == PresetSession::Phase::running)
        return;

    applySetup(preset);
    if (m_cameras.camera(preset.cameraID) && open && open->phase == PresetSession::Phase::ready &&
        m_hooks.selectCamera)
        m_hooks.selectCamera(*preset.cameraID);
}

void PresetOperations::applySetup(const OffloadPreset& preset) {
    m_settings.apply(preset);

    if (preset.destinationPath && m_destinations.folderExists(*preset.destinationPath)) {
        if (const auto favorite = m_destinations.favoriteForPath(*preset.destinationPath)) {
            DestinationChoice::useFavorite(m_settings, m_destinations, *favorite);
        } else {
            m_settings.setValue(setting::destinationPath, *preset.destinationPath);
            m_destinations.markUsed(std::nullopt);
        }
        if (m_hooks.destinationChanged)
            m_hooks.destinationChanged();
    }

    m_presets.markActive(preset.id);
}

OffloadPreset PresetOperations::currentSetupAsPreset(const QString& name) const {
    OffloadPreset preset;
    preset.id = QUuid::createUuid();
    preset.name = name;
    preset.destinationPath = m_settings.value(setting::destinationPath);
    preset.folderTemplate = m_settings.value(setting::folderTemplate);
    preset.fileTemplate = m_settings.value(setting::fileTemplate);
    preset.skipShortClips = m_settings.value(setting::skipShortClips);
    preset.shortClipSeconds = m_settings.value(setting::shortClipSeconds);
    preset.quickDump = m_settings.value(setting::quickDump);
    preset.fileRules = m_settings.value(setting::fileRules);
    const std::optional<PresetSession> open = session();
    if (open && open->cameraID)
        preset.cameraID = open->cameraID;
    else if (const std::optional<OffloadPreset> active = m_presets.activePreset())
        preset.cameraID = active->cameraID;
    return preset;
}

OffloadPreset PresetOperations::saveCurrentSetupAsPreset(const QString& name) {
    const QString trimmed = name.trimmed();
    const OffloadPreset stored = m_presets.add(currentSetupAsPreset(
        trimmed.isEmpty() ? QCoreApplication::translate("PresetOperations", "New Preset")
                          : trimmed));
    m_presets.markActive(stored.id);
    return stored;
}

void PresetOperations::updatePresetFromCurrentSetup(const QUuid& id) {
    const std::optional<OffloadPreset> current = m_presets.preset(id);
    if (!current)
        return;
    OffloadPreset updated = currentSetupAsPreset(current->name);
    updated.id = current->id;
    m_presets.update(updated);
}

void PresetOperations::updateActivePresetFromCurrentSetup() {
    if (const std::optional<QUuid> active = m_presets.activeID())
        updatePresetFromCurrentSetup(*active);
}

void PresetOperations::useCurrentFileRules(const QUuid& id) {
    const FileRules rules = m_settings.value(setting::fileRules);
    m_presets.edit(id, [&rules](OffloadPreset& preset) { preset.fileRules = rules; });
}

bool PresetOperations::activePresetIsEdited() const {
    const std::optional<OffloadPreset> active = m_presets.activePreset();
    return active && differs(*active, m_settings, m_settings.value(setting::destinationPath));
}

bool PresetOperations::differs(const OffloadPreset& preset, const AppSettings& settings,
                               const std::optional<QString>& destinationPath) {
    if (preset.folderTemplate != settings.value(setting::folderTemplate) ||
        preset.fileTemplate != settings.value(setting::fileTemplate) ||
        preset.skipShortClips != settings.value(setting::skipShortClips) ||
        preset.quickDump != settings.value(setting::quickDump) ||
        preset.fileRules != settings.value(setting::fileRules))
        return true;
    if (preset.skipShortClips &&
        preset.shortClipSeconds != settings.value(setting::shortClipSeconds))
        return true;
    if (!preset.destinationPath)
        return false;
    if (!destinationPath)
        return true;
    return DestinationStore::normalized(*preset.destinationPath) !=
           DestinationStore::normalized(*destinationPath);
}

} // namespace stowly
