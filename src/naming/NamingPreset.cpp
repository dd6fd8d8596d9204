#include "naming/NamingPreset.h"

namespace stowly {

const QList<NamingPreset>& NamingPreset::all() {
    static const QList<NamingPreset> presets{
        {QStringLiteral("Date / Project"), QStringLiteral("{date}/{project}"),
         QStringLiteral("{date}_{project}_{seq}")},
        {QStringLiteral("Project / Date / Camera"), QStringLiteral("{project}/{date}/{camera}"),
         QStringLiteral("{date}_{project}_{camera}_{seq}")},
        {QStringLiteral("Project / Type / Date"), QStringLiteral("{project}/{type}/{date}"),
         QStringLiteral("{date}_{project}_{seq}")},
        {QStringLiteral("Year / Month / Day"), QStringLiteral("{year}/{month}/{day}"),
         QStringLiteral("{date}_{project}_{seq}")},
        {QStringLiteral("Date / Project, Original Names"), QStringLiteral("{date}/{project}"),
         QStringLiteral("{original}")},
        {QStringLiteral("Flat"), QString(), QStringLiteral("{date}_{project}_{seq}")},
    };
    return presets;
}

} // namespace stowly
