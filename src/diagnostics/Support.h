#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace stowly {

// Where users reach the developer.
namespace Support {
QString emailAddress();
QUrl tipPage();

// A "mailto" link to the support address with the subject and, when given, the body.
// Falls back to the bare address when no link can be made of them.
QUrl mailURL(const QString& subject, const std::optional<QString>& body = {});
} // namespace Support

} // namespace stowly
