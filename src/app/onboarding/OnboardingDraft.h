#pragma once

#include "app/onboarding/OnboardingStarter.h"
#include "app/onboarding/OnboardingStep.h"
#include "app/stores/OffloadPreset.h"
#include "media/FileRules.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace stowly {

// What the first-run wizard has gathered so far. A default-constructed draft is the one a new
// wizard starts with: a film shoot with its naming, renaming on, the short-clip rule on at five
// seconds, and the preset used at once.
struct OnboardingDraft {
    OnboardingStarter starter = OnboardingStarter::filmShoot;
    QString presetName = onboardingStarter::defaultPresetName(starter);
    // The user typed the name, so choosing another starter keeps it.
    bool nameEdited = false;
    std::optional<QString> destinationPath;
    bool makeDefaultDestination = true;
    QString folderTemplate = onboardingStarter::namingPreset(starter).folder;
    bool renameFiles = true;
    QString fileTemplate = onboardingStarter::namingPreset(starter).file;
    bool skipShortClips = true;
    int shortClipSeconds = 5;
    bool ejectAfterOffload = false;
    bool playSuccessSound = true;
    bool askToImport = true;
    bool useNow = true;

    static inline const QString originalNames = QStringLiteral("{original}");

    // Takes the starter's naming, and its name unless the user typed one.
    void chooseStarter(OnboardingStarter chosen);
    // A name typed by the user, kept from now on.
    void editPresetName(const QString& name);

    bool hasDestination() const;
    // The file template that will be used: the typed one, or the original names when renaming
    // is off.
    QString effectiveFileTemplate() const;
    // The trimmed name, or the starter's name when nothing is left.
    QString effectivePresetName() const;

    // Whether the wizard may move on from the step with what the draft holds.
    bool canLeave(OnboardingStep step) const;

    // The preset the draft describes, with a new id and the given file rules (the current
    // ones); no camera, quick dump off.
    OffloadPreset makePreset(const FileRules& fileRules) const;

    // The keys are the field names; "destinationPath" is left out when there is none.
    QJsonObject toJson() const;
    // None when a key is missing, of the wrong kind, or names no starter.
    static std::optional<OnboardingDraft> fromJson(const QJsonObject& object);

    friend bool operator==(const OnboardingDraft&, const OnboardingDraft&) = default;
};

} // namespace stowly
