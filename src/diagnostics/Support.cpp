#include "diagnostics/Support.h"

namespace stowly {
namespace {

QString queryValue(const QString& text) {
    // Mail links carry line breaks as CRLF; everything but unreserved characters is encoded,
    // so "&", "=", "+" and "#" in a body cannot end or change the query.
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    return QString::fromLatin1(QUrl::toPercentEncoding(crlf));
}

QUrl plainLink() {
    return QUrl(QStringLiteral("mailto:") + Support::emailAddress());
}

} // namespace

QString Support::emailAddress() {
    return QStringLiteral("support@stowly.app");
}

QUrl Support::tipPage() {
    return QUrl(QStringLiteral("https://stowly.app/tip"));
}

QUrl Support::mailURL(const QString& subject, const std::optional<QString>& body) {
    QString query = QStringLiteral("subject=") + queryValue(subject);
    if (body)
        query += QStringLiteral("&body=") + queryValue(*body);
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(emailAddress());
    url.setQuery(query, QUrl::StrictMode);
    if (!url.isValid())
        return plainLink();
    return url;
}

} // namespace stowly
