#include "naming/NamingPreset.h"

namespace stowly {

const QList<NamingPreset>& NamingPreset::all() {
    static const QList<NamingPreset> presets{
        {QString::fromUtf8(QT_TRANSLATE_NOOP("NamingPreset", "Date / Project")),
         QStringLiteral("{date}/{project}"), QStringLiteral("{date}_{project}_{seq}")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("NamingPreset", "Project / Date / Camera")),
         QStringLiteral("{project}/{date}/{camera}"),
         QStringLiteral("{date}_{project}_{camera}_{seq}")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("NamingPreset", "Project / Type / Date")),
         QStringLiteral("{project}/{type}/{date}"), QStringLiteral("{date}_{project}_{seq}")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("NamingPreset", "Year / Month / Day")),
         QStringLiteral("{year}/{month}/{day}"), QStringLiteral("{date}_{project}_{seq}")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("NamingPreset", "Date / Project, Original Names")),
         QStringLiteral("{date}/{project}"), QStringLiteral("{original}")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("NamingPreset", "Flat")), QString(),
         QStringLiteral("{date}_{project}_{seq}")},
    };
    return presets;
}

} // namespace stowly
