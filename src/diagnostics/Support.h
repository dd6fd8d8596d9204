#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace stowly {

// Where users reach the developer.
class Support {
public:
    static QString emailAddress();
    static QUrl tipPage();

    // A "mailto" link to the support address with the subject and, when given, the body.
    // Falls back to the bare address when no link can be made of them.
    static QUrl mailURL(const QString& subject, const std::optional<QString>& body = {});
};

} // namespace stowly
