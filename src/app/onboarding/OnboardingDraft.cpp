#include "app/onboarding/OnboardingDraft.h"

#include "app/settings/AppSettings.h"
#include "naming/NamingTemplate.h"
#include "naming/NamingTemplates.h"

#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <limits>

namespace stowly {
namespace {

namespace key {
const QString starter = QStringLiteral("starter");
const QString presetName = QStringLiteral("presetName");
const QString nameEdited = QStringLiteral("nameEdited");
const QString destinationPath = QStringLiteral("destinationPath");
const QString makeDefaultDestination = QStringLiteral("makeDefaultDestination");
const QString folderTemplate = QStringLiteral("folderTemplate");
const QString renameFiles = QStringLiteral("renameFiles");
const QString fileTemplate = QStringLiteral("fileTemplate");
const QString skipShortClips = QStringLiteral("skipShortClips");
const QString shortClipSeconds = QStringLiteral("shortClipSeconds");
const QString ejectAfterOffload = QStringLiteral("ejectAfterOffload");
const QString playSuccessSound = QStringLiteral("playSuccessSound");
const QString askToImport = QStringLiteral("askToImport");
const QString useNow = QStringLiteral("useNow");
} // namespace key

// Reads required fields and remembers whether any was missing or of the wrong kind.
class Reader {
public:
    explicit Reader(const QJsonObject& object) : m_object(object) {}

    bool ok() const { return m_ok; }

    bool flag(const QString& name) {
        const QJsonValue value = m_object.value(name);
        m_ok = m_ok && value.isBool();
        return value.toBool();
    }
    QString text(const QString& name) {
        const QJsonValue value = m_object.value(name);
        m_ok = m_ok && value.isString();
        return value.toString();
    }
    int integer(const QString& name) {
        const QJsonValue value = m_object.value(name);
        const double number = value.toDouble();
        const bool whole = value.isDouble() && std::trunc(number) == number &&
                           number >= std::numeric_limits<int>::min() &&
                           number <= std::numeric_limits<int>::max();
        m_ok = m_ok && whole;
        return whole ? int(number) : 0;
    }
    std::optional<QString> optionalText(const QString& name) {
        const QJsonValue value = m_object.value(name);
        if (value.isUndefined() || value.isNull())
            return std::nullopt;
        m_ok = m_ok && value.isString();
        return value.toString();
    }

private:
    const QJsonObject& m_object;
    bool m_ok = true;
};

} // namespace

void OnboardingDraft::chooseStarter(OnboardingStarter chosen) {
    starter = chosen;
    const NamingPreset naming = onboardingStarter::namingPreset(chosen);
    folderTemplate = naming.folder;
    fileTemplate = naming.file;
    if (!nameEdited)
        presetName = onboardingStarter::defaultPresetName(chosen);
}

void OnboardingDraft::editPresetName(const QString& name) {
    presetName = name;
    nameEdited = true;
}

bool OnboardingDraft::hasDestination() const {
    return destinationPath && !destinationPath->trimmed().isEmpty();
}

QString OnboardingDraft::effectiveFileTemplate() const {
    return renameFiles ? fileTemplate : originalNames;
}

QString OnboardingDraft::effectivePresetName() const {
    const QString trimmed = presetName.trimmed();
    return trimmed.isEmpty() ? onboardingStarter::defaultPresetName(starter) : trimmed;
}

bool OnboardingDraft::canLeave(OnboardingStep step) const {
    switch (step) {
    case OnboardingStep::destination:
        return hasDestination();
    case OnboardingStep::folders:
        return NamingTemplate::parse(folderTemplate, NamingTemplate::Kind::folder)
            .template_.has_value();
    case OnboardingStep::naming:
        return NamingTemplate::parse(effectiveFileTemplate(), NamingTemplate::Kind::file)
            .template_.has_value();
    case OnboardingStep::review:
        return NamingTemplates::make(folderTemplate, effectiveFileTemplate()).has_value() &&
               hasDestination() && !presetName.trimmed().isEmpty();
    case OnboardingStep::splash:
    case OnboardingStep::template_:
    case OnboardingStep::done:
        return true;
    }
    return true;
}

OffloadPreset OnboardingDraft::makePreset(const FileRules& fileRules) const {
    OffloadPreset preset;
    preset.id = QUuid::createUuid();
    preset.name = effectivePresetName();
    preset.destinationPath = hasDestination() ? destinationPath : std::nullopt;
    preset.folderTemplate = folderTemplate;
    preset.fileTemplate = effectiveFileTemplate();
    preset.cameraID = std::nullopt;
    preset.skipShortClips = skipShortClips;
    // The settings clamp the seconds when the preset is applied; a preset holding another
    // value would count as edited from the moment it is used.
    preset.shortClipSeconds = std::clamp(shortClipSeconds, AppSettings::shortClipSecondsMinimum,
                                         AppSettings::shortClipSecondsMaximum);
    preset.quickDump = false;
    preset.fileRules = fileRules;
    return preset;
}

QJsonObject OnboardingDraft::toJson() const {
    QJsonObject object{
        {key::starter, onboardingStarter::rawValue(starter)},
        {key::presetName, presetName},
        {key::nameEdited, nameEdited},
        {key::makeDefaultDestination, makeDefaultDestination},
        {key::folderTemplate, folderTemplate},
        {key::renameFiles, renameFiles},
        {key::fileTemplate, fileTemplate},
        {key::skipShortClips, skipShortClips},
        {key::shortClipSeconds, shortClipSeconds},
        {key::ejectAfterOffload, ejectAfterOffload},
        {key::playSuccessSound, playSuccessSound},
        {key::askToImport, askToImport},
        {key::useNow, useNow},
    };
    if (destinationPath)
        object.insert(key::destinationPath, *destinationPath);
    return object;
}

std::optional<OnboardingDraft> OnboardingDraft::fromJson(const QJsonObject& object) {
    Reader read(object);
    OnboardingDraft draft;
    const std::optional<OnboardingStarter> starter =
        onboardingStarter::fromRawValue(read.text(key::starter));
    draft.starter = starter.value_or(OnboardingStarter::filmShoot);
    draft.presetName = read.text(key::presetName);
    draft.nameEdited = read.flag(key::nameEdited);
    draft.destinationPath = read.optionalText(key::destinationPath);
    draft.makeDefaultDestination = read.flag(key::makeDefaultDestination);
    draft.folderTemplate = read.text(key::folderTemplate);
    draft.renameFiles = read.flag(key::renameFiles);
    draft.fileTemplate = read.text(key::fileTemplate);
    draft.skipShortClips = read.flag(key::skipShortClips);
    draft.shortClipSeconds = read.integer(key::shortClipSeconds);
    draft.ejectAfterOffload = read.flag(key::ejectAfterOffload);
    draft.playSuccessSound = read.flag(key::playSuccessSound);
    draft.askToImport = read.flag(key::askToImport);
    draft.useNow = read.flag(key::useNow);
    if (!read.ok() || !starter)
        return std::nullopt;
    return draft;
}

} // namespace stowly
