#pragma once

#include <QString>

namespace stowly {

// How an import prompt is shown; stored by its raw text.
enum class ImportPromptStyle { notification, panel };

namespace importPromptStyle {

inline QString rawValue(ImportPromptStyle style) {
    return style == ImportPromptStyle::panel ? QStringLiteral("panel")
                                             : QStringLiteral("notification");
}

// "panel" gives panel; anything else the default, notification.
inline ImportPromptStyle fromRawValue(const QString& raw) {
    return raw == u"panel" ? ImportPromptStyle::panel : ImportPromptStyle::notification;
}

} // namespace importPromptStyle
} // namespace stowly
