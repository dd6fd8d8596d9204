#include "app/settings/SettingDefinition.h"

#include "app/settings/SettingsTable.h"

namespace stowly {

QString SettingDefinition::description() const {
    return QCoreApplication::translate("SettingsTable", descriptionText);
}

} // namespace stowly
