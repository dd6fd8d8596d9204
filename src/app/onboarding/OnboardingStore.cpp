#include "app/onboarding/OnboardingStore.h"

#include "app/onboarding/OnboardingApplier.h"
#include "app/settings/PreferenceValue.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/PresetStore.h"
#include "base/Log.h"
#include "history/History.h"

#include <QJsonDocument>

namespace stowly {

OnboardingStore::OnboardingStore(std::shared_ptr<QSettings> defaults, QObject* parent)
    : QObject(parent), m_defaults(std::move(defaults)) {
    if (!m_defaults)
        return;
    using namespace preferenceValue;
    m_isFinished = flag(*m_defaults, finishedKey).value_or(false);
    if (const std::optional<QString> raw = text(*m_defaults, stepKey))
        m_step = onboardingStep::fromRawValue(*raw).value_or(OnboardingStep::splash);
    if (const std::optional<QJsonDocument> document = json(*m_defaults, draftKey))
        if (document->isObject())
            if (std::optional<OnboardingDraft> draft =
                    OnboardingDraft::fromJson(document->object()))
                m_draft = std::move(*draft);
}

void OnboardingStore::setDraft(const OnboardingDraft& draft) {
    if (draft == m_draft)
        return;
    m_draft = draft;
    writeDraft();
    Q_EMIT draftChanged();
    Q_EMIT changed();
}

void OnboardingStore::goForward() {
    if (m_draft.canLeave(m_step))
        setStep(onboardingStep::next(m_step));
}

void OnboardingStore::goBack() {
    setStep(onboardingStep::previous(m_step));
}

bool OnboardingStore::canJump(OnboardingStep to) const {
    return to != OnboardingStep::splash && m_step != OnboardingStep::done && int(to) <= int(m_step);
}

void OnboardingStore::jump(OnboardingStep to) {
    if (canJump(to))
        setStep(to);
}

std::optional<OffloadPreset>
OnboardingStore::save(AppSettings& settings, DestinationStore& destinations, PresetStore& presets) {
    if (!m_draft.canLeave(OnboardingStep::review))
        setSavedPreset(std::nullopt);
    else
        setSavedPreset(OnboardingApplier::apply(m_draft, settings, destinations, presets));
    return m_savedPreset;
}

void OnboardingStore::markFinished() {
    if (m_defaults) {
        m_defaults->setValue(finishedKey, true);
        m_defaults->remove(stepKey);
        m_defaults->remove(draftKey);
        sync();
    }
    if (m_isFinished)
        return;
    m_isFinished = true;
    Q_EMIT isFinishedChanged();
    Q_EMIT changed();
}

void OnboardingStore::restart() {
    const bool wasFinished = m_isFinished;
    const bool stepMoved = m_step != OnboardingStep::splash;
    const bool draftReset = m_draft != OnboardingDraft();
    m_isFinished = false;
    m_step = OnboardingStep::splash;
    m_draft = OnboardingDraft();
    if (m_defaults) {
        m_defaults->remove(finishedKey);
        sync();
    }
    writeStep();
    writeDraft();
    if (wasFinished)
        Q_EMIT isFinishedChanged();
    if (stepMoved)
        Q_EMIT stepChanged();
    if (draftReset)
        Q_EMIT draftChanged();
    setSavedPreset(std::nullopt);
    Q_EMIT changed();
}

bool OnboardingStore::hasExistingSetup(const PresetStore& presets,
                                       const DestinationStore& destinations,
                                       qsizetype historyEntries) {
    return !presets.presets().isEmpty() || !destinations.favorites().isEmpty() ||
           historyEntries > 0;
}

bool OnboardingStore::hasExistingSetup(const PresetStore& presets,
                                       const DestinationStore& destinations,
                                       const History& ledger) {
    return hasExistingSetup(presets, destinations, ledger.entries().size());
}

bool OnboardingStore::demoSwitch(const QSettings* defaults) {
    return defaults && preferenceValue::flag(*defaults, demoKey).value_or(false);
}

bool OnboardingStore::shouldShow(const OnboardingStore& store, bool hasExistingSetup,
                                 bool demoSwitch) {
    if (demoSwitch)
        return true;
    return !store.isFinished() && !hasExistingSetup;
}

void OnboardingStore::setStep(OnboardingStep step) {
    if (step == m_step)
        return;
    m_step = step;
    writeStep();
    Q_EMIT stepChanged();
    Q_EMIT changed();
}

void OnboardingStore::setSavedPreset(const std::optional<OffloadPreset>& preset) {
    if (preset == m_savedPreset)
        return;
    m_savedPreset = preset;
    Q_EMIT savedPresetChanged();
    Q_EMIT changed();
}

// A finished wizard keeps only its flag, so later steps and edits are not written back.
void OnboardingStore::writeStep() {
    if (!m_defaults || m_isFinished)
        return;
    m_defaults->setValue(stepKey, onboardingStep::rawValue(m_step));
    sync();
}

void OnboardingStore::writeDraft() {
    if (!m_defaults || m_isFinished)
        return;
    m_defaults->setValue(
        draftKey,
        QString::fromUtf8(QJsonDocument(m_draft.toJson()).toJson(QJsonDocument::Compact)));
    sync();
}

void OnboardingStore::sync() {
    // Written through at once, like every preference: the process may end at any time.
    m_defaults->sync();
    if (m_defaults->status() != QSettings::NoError)
        Log::info(Log::Category::app, QStringLiteral("Couldn’t save the setup progress to ") +
                                          m_defaults->fileName() + u'.');
}

} // namespace stowly
