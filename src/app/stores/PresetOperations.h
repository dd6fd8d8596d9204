#pragma once

#include "app/settings/AppSettings.h"
#include "app/stores/CameraStore.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/OffloadPreset.h"
#include "app/stores/PresetStore.h"

#include <functional>
#include <optional>

namespace stowly {

// The open card session as the preset commands see it.
struct PresetSession {
    enum class Phase { ready, running, finished };
    Phase phase = Phase::ready;
    // The camera chosen for the card.
    std::optional<QUuid> cameraID;
};

// The application's commands on presets, over the settings and the stores: applying a preset,
// saving the current setup as one, updating the active one, and telling whether the current
// setup still matches it.
class PresetOperations {
public:
    struct Hooks {
        // The open card session; none (or an empty function) when no card session is open.
        std::function<std::optional<PresetSession>()> session;
        // Chooses the camera for the open session as if the user picked it.
        std::function<void(const QUuid& cameraID)> selectCamera;
        // The destination changed: the volume watcher re-applies its destination rule.
        std::function<void()> destinationChanged;
    };

    PresetOperations(AppSettings& settings, DestinationStore& destinations, PresetStore& presets,
                     CameraStore& cameras, Hooks hooks = {});

    // Settings, then the destination when its folder is there, then the camera while a
    // session is ready; marks the preset active. Does nothing while an offload runs.
    void applyPreset(const OffloadPreset& preset);
    // The settings and the destination, and marks it active; no camera, and also while an
    // offload runs (what runs keeps its own plan).
    void applySetup(const OffloadPreset& preset);
    // A new preset holding the current setup; the camera is the session's, else the active
    // preset's.
    OffloadPreset currentSetupAsPreset(const QString& name) const;
    // Stored under the trimmed name ("New Preset" when blank, made unique) and made active.
    OffloadPreset saveCurrentSetupAsPreset(const QString& name);
    // The preset takes the current setup, keeping its id and name.
    void updatePresetFromCurrentSetup(const QUuid& id);
    void updateActivePresetFromCurrentSetup();
    // The preset takes the file rules the settings hold now.
    void useCurrentFileRules(const QUuid& id);
    // There is an active preset and the current setup differs from it.
    bool activePresetIsEdited() const;

    // Whether the preset differs from the settings and the destination. The camera is not
    // compared, the seconds only while the preset skips short clips, and the destination only
    // when the preset has one (trailing "/" and the like do not count).
    static bool differs(const OffloadPreset& preset, const AppSettings& settings,
                        const std::optional<QString>& destinationPath);

private:
    std::optional<PresetSession> session() const;

    AppSettings& m_settings;
    DestinationStore& m_destinations;
    PresetStore& m_presets;
    CameraStore& m_cameras;
    Hooks m_hooks;
};

} // namespace stowly
