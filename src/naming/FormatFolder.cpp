#include "naming/FormatFolder.h"

#include "base/NameRules.h"

namespace stowly {

const QHash<QString, QString>& FormatFolder::aliases() {
    static const QHash<QString, QString> map{{QStringLiteral("jpeg"), QStringLiteral("jpg")},
                                             {QStringLiteral("jpe"), QStringLiteral("jpg")},
                                             {QStringLiteral("tiff"), QStringLiteral("tif")}};
    return map;
}

std::optional<QString> FormatFolder::name(const QString& extension) {
    QString lower = extension.toLower();
    if (lower.isEmpty())
        return std::nullopt;
    lower = aliases().value(lower, lower);
    QString safe = NameRules::safeComponent(lower.toUpper());
    if (safe.isEmpty())
        return std::nullopt;
    return safe;
}

} // namespace stowly
