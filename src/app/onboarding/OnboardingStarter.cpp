#include "app/onboarding/OnboardingStarter.h"

#include "base/EnumNames.h"

#include <QCoreApplication>

namespace stowly::onboardingStarter {

QString rawValue(OnboardingStarter starter) {
    const QString key = enumNames::name(starter);
    return key.isEmpty() ? QStringLiteral("filmShoot") : key;
}

std::optional<OnboardingStarter> fromRawValue(const QString& raw) {
    return enumNames::fromName<OnboardingStarter>(raw);
}

QString namingPresetName(OnboardingStarter starter) {
    switch (starter) {
    case OnboardingStarter::filmShoot:
        return QStringLiteral("Project / Date / Camera");
    case OnboardingStarter::photoSession:
        return QStringLiteral("Date / Project");
    case OnboardingStarter::podcast:
        return QStringLiteral("Project / Type / Date");
    case OnboardingStarter::dailyArchive:
        return QStringLiteral("Year / Month / Day");
    case OnboardingStarter::blank:
        return QStringLiteral("Flat");
    }
    return QString();
}

NamingPreset namingPreset(OnboardingStarter starter) {
    const QList<NamingPreset>& all = NamingPreset::all();
    const QString name = namingPresetName(starter);
    for (const NamingPreset& preset : all)
        if (preset.name == name)
            return preset;
    return all.value(0);
}

QString defaultPresetName(OnboardingStarter starter) {
    switch (starter) {
    case OnboardingStarter::filmShoot:
        return QCoreApplication::translate("OnboardingStarter", "Film Shoot");
    case OnboardingStarter::photoSession:
        return QCoreApplication::translate("OnboardingStarter", "Photo Session");
    case OnboardingStarter::podcast:
        return QCoreApplication::translate("OnboardingStarter", "Podcast");
    case OnboardingStarter::dailyArchive:
        return QCoreApplication::translate("OnboardingStarter", "Daily Archive");
    case OnboardingStarter::blank:
        return QCoreApplication::translate("OnboardingStarter", "My Preset");
    }
    return QString();
}

} // namespace stowly::onboardingStarter
