#include "app/SettingDefinition.h"

#include "app/SettingsTable.h"

namespace stowly {

QString SettingDefinition::description() const {
    return QCoreApplication::translate("SettingsTable", descriptionText);
}

} // namespace stowly
