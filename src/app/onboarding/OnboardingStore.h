#pragma once

#include "app/onboarding/OnboardingDraft.h"
#include "app/onboarding/OnboardingStep.h"
#include "app/stores/OffloadPreset.h"

#include <QObject>
#include <QSettings>

#include <memory>
#include <optional>

namespace stowly {

class AppSettings;
class DestinationStore;
class History;
class PresetStore;

// Where the first-run wizard stands and what it has gathered. Step and draft survive quitting:
// they are kept in the preferences until the wizard finishes. Without a preferences store
// nothing is kept. Main thread only.
class OnboardingStore : public QObject {
    Q_OBJECT
public:
    static inline const QString finishedKey = QStringLiteral("onboardingFinished");
    static inline const QString stepKey = QStringLiteral("onboardingStep");
    static inline const QString draftKey = QStringLiteral("onboardingDraft");
    // Shows the wizard on every launch, for trying it out.
    static inline const QString demoKey = QStringLiteral("StowlyDemoOnboarding");

    // An unknown or missing step starts at the splash, a missing or unreadable draft anew.
    explicit OnboardingStore(std::shared_ptr<QSettings> defaults, QObject* parent = nullptr);

    const std::shared_ptr<QSettings>& defaults() const { return m_defaults; }
    OnboardingStep step() const { return m_step; }
    const OnboardingDraft& draft() const { return m_draft; }
    bool isFinished() const { return m_isFinished; }
    // The preset made by the last successful save.
    const std::optional<OffloadPreset>& savedPreset() const { return m_savedPreset; }

    // The wizard's edits of the draft.
    void setDraft(const OnboardingDraft& draft);

    // On to the next step when the draft can leave this one; never past the end.
    void goForward();
    // Back one step; never before the first.
    void goBack();
    // Only back to a step already reached, never to the splash, and not once done.
    bool canJump(OnboardingStep to) const;
    // Moves there when canJump allows it.
    void jump(OnboardingStep to);

    // When the draft is complete, applies it and keeps the preset it made; otherwise clears
    // the saved preset. Returns the saved preset.
    std::optional<OffloadPreset> save(AppSettings& settings, DestinationStore& destinations,
                                      PresetStore& presets);
    // The wizard is over: only the finished flag stays in the preferences.
    void markFinished();
    // From the splash again with a new draft.
    void restart();

    // Someone who already has a preset, a favourite or any history has used the application
    // before and is not shown the wizard.
    static bool hasExistingSetup(const PresetStore& presets, const DestinationStore& destinations,
                                 qsizetype historyEntries);
    static bool hasExistingSetup(const PresetStore& presets, const DestinationStore& destinations,
                                 const History& ledger);
    // Whether the demo switch is set in the preferences.
    static bool demoSwitch(const QSettings* defaults);
    // At launch: always with the demo switch; otherwise only for someone who neither finished
    // the wizard nor set anything up.
    static bool shouldShow(const OnboardingStore& store, bool hasExistingSetup, bool demoSwitch);

Q_SIGNALS:
    // Any value changed.
    void changed();
    void stepChanged();
    void draftChanged();
    void isFinishedChanged();
    void savedPresetChanged();

private:
    void setStep(OnboardingStep step);
    void setSavedPreset(const std::optional<OffloadPreset>& preset);
    void writeStep();
    void writeDraft();
    void sync();

    std::shared_ptr<QSettings> m_defaults;
    OnboardingStep m_step = OnboardingStep::splash;
    OnboardingDraft m_draft;
    bool m_isFinished = false;
    std::optional<OffloadPreset> m_savedPreset;
};

} // namespace stowly
