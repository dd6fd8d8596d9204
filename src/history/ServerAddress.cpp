#include "history/ServerAddress.h"

#include "base/Quoted.h"

#include <QCoreApplication>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

namespace stowly {
namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(ServerAddress)
};

// libpq's keyword form: words separated by spaces, values optionally in single quotes with
// backslash escapes.
std::optional<QList<std::pair<QString, QString>>> keywords(const QString& text, QString* error) {
    QList<std::pair<QString, QString>> pairs;
    qsizetype i = 0;
    const auto skipSpace = [&] {
        while (i < text.size() && text[i].isSpace())
            ++i;
    };
    while (true) {
        skipSpace();
        if (i >= text.size())
            return pairs;
        const qsizetype equals = text.indexOf(u'=', i);
        if (equals < 0) {
            *error = Words::tr("%1 isn’t of the form keyword=value.").arg(quoted(text.mid(i)));
            return std::nullopt;
        }
        const QString keyword = text.mid(i, equals - i).trimmed();
        i = equals + 1;
        skipSpace();
        QString value;
        if (i < text.size() && text[i] == u'\'') {
            ++i;
            bool closed = false;
            while (i < text.size()) {
                if (text[i] == u'\\' && i + 1 < text.size()) {
                    value += text[i + 1];
                    i += 2;
                } else if (text[i] == u'\'') {
                    ++i;
                    closed = true;
                    break;
                } else {
                    value += text[i++];
                }
            }
            if (!closed) {
                *error = Words::tr("A quoted value has no closing quote.");
                return std::nullopt;
            }
        } else {
            while (i < text.size() && !text[i].isSpace())
                value += text[i++];
        }
        pairs.append({keyword, value});
    }
}

} // namespace

std::optional<ServerAddress> ServerAddress::parse(const QString& text, QString* error) {
    QList<std::pair<QString, QString>> pairs;
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1String("postgresql://")) ||
        trimmed.startsWith(QLatin1String("postgres://"))) {
        const QUrl url(trimmed, QUrl::StrictMode);
        if (!url.isValid() || url.host().isEmpty()) {
            *error = Words::tr("%1 isn’t a server address.").arg(quoted(trimmed));
            return std::nullopt;
        }
        if (!url.password().isEmpty())
            pairs.append({QStringLiteral("password"), url.password()});
        pairs.append({QStringLiteral("host"), url.host()});
        if (url.port() > 0)
            pairs.append({QStringLiteral("port"), QString::number(url.port())});
        if (!url.userName().isEmpty())
            pairs.append({QStringLiteral("user"), url.userName()});
        const QString database = url.path().mid(1);
        if (!database.isEmpty())
            pairs.append({QStringLiteral("dbname"), database});
        for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
            pairs.append({key, value});
    } else {
        auto parsed = keywords(trimmed, error);
        if (!parsed)
            return std::nullopt;
        pairs = std::move(*parsed);
    }

    ServerAddress address;
    QStringList options;
    bool timeoutGiven = false;
    for (const auto& [key, value] : pairs) {
        if (key == u"password") {
            *error =
                Words::tr("The history server’s password can’t be kept in the settings, where "
                          "anyone who reads them sees it. Put it in ~/.pgpass, or in a file named "
                          "by passfile=, or in the desktop’s keyring.");
            return std::nullopt;
        }
        if (key == u"host" || key == u"hostaddr") {
            address.host = value;
        } else if (key == u"port") {
            bool ok = false;
            address.port = value.toInt(&ok);
            if (!ok || address.port <= 0 || address.port > 65535) {
                *error = Words::tr("%1 isn’t a port number.").arg(quoted(value));
                return std::nullopt;
            }
        } else if (key == u"dbname") {
            address.database = value;
        } else if (key == u"user") {
            address.user = value;
        } else if (value.contains(u';')) {
            *error = Words::tr("%1 can’t hold a semicolon.").arg(quoted(key));
            return std::nullopt;
        } else {
            timeoutGiven = timeoutGiven || key == u"connect_timeout";
            options << key + u'=' + value;
        }
    }
    if (address.host.isEmpty()) {
        *error = Words::tr("The history server’s address names no host (host=…).");
        return std::nullopt;
    }
    // A server that does not answer must not hold a scan or an offload's end for long.
    if (!timeoutGiven)
        options << QStringLiteral("connect_timeout=3");
    if (address.database.isEmpty())
        address.database = QStringLiteral("stowly");
    address.options = options.join(u';');
    return address;
}

QString ServerAddress::described() const {
    return Words::tr("%1 on %2")
        .arg(quoted(database), host.startsWith(u'/') ? Words::tr("this computer") : host);
}

QString ServerAddress::key() const {
    return QStringLiteral("%1@%2:%3/%4").arg(user, host).arg(port).arg(database);
}

} // namespace stowly
