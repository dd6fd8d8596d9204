#include "app/SettingDefinition.h"

#include "app/SettingsTable.h"

namespace stowly {

QString SettingDefinition::description() const {
    return SettingsTable::tr(descriptionText);
}

} // namespace stowly
