#pragma once

#include "base/EnumNames.h"

#include <QObject>
#include <QString>

namespace stowly {

namespace settingsTab {
Q_NAMESPACE

// The tabs of the settings window, in their order; stored by its case name, so a name this
// version doesn't know reads as the first tab.
enum class SettingsTab {
    general,
    appearance,
    presets,
    automaticOffload,
    destinations,
    naming,
    files,
    cameras
};
Q_ENUM_NS(SettingsTab)

} // namespace settingsTab

using settingsTab::SettingsTab;

namespace settingsTab {

inline QString rawValue(SettingsTab tab) {
    const QString key = enumNames::name(tab);
    return key.isEmpty() ? QStringLiteral("general") : key;
}

} // namespace settingsTab
} // namespace stowly
