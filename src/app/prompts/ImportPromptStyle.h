#pragma once

#include "base/EnumNames.h"

#include <QObject>
#include <QString>

namespace stowly {

namespace importPromptStyle {
Q_NAMESPACE

// How an import prompt is shown; stored by its case name.
enum class ImportPromptStyle { notification, panel };
Q_ENUM_NS(ImportPromptStyle)

} // namespace importPromptStyle

using importPromptStyle::ImportPromptStyle;

namespace importPromptStyle {

inline QString rawValue(ImportPromptStyle style) {
    const QString key = enumNames::name(style);
    return key.isEmpty() ? QStringLiteral("notification") : key;
}

// "panel" gives panel; anything else the default, notification.
inline ImportPromptStyle fromRawValue(const QString& raw) {
    return enumNames::fromName<ImportPromptStyle>(raw).value_or(ImportPromptStyle::notification);
}

} // namespace importPromptStyle
} // namespace stowly
