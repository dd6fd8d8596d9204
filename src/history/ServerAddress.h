#pragma once

#include <QString>

#include <optional>

namespace stowly {

// A PostgreSQL server as the setting names it: libpq's keyword form ("host=db.studio
// port=5432 dbname=stowly user=cart2") or its URI form ("postgresql://cart2@db.studio/stowly").
// The password never comes from here, where it would sit in the preferences in clear: libpq
// reads it from ~/.pgpass or the file `passfile=` names, or the desktop's secret service holds
// it (ServerPassword).
struct ServerAddress {
    QString host;
    int port = 5432;
    QString database;
    QString user;
    // Further libpq keywords, as QPSQL takes them ("sslmode=require;connect_timeout=5").
    QString options;

    // The address, or none with the reason in `error` (in the user's words).
    static std::optional<ServerAddress> parse(const QString& text, QString* error);
    // "stowly on db.studio", for messages.
    QString described() const;
    // The secret service's attributes name the server by this.
    QString key() const;
};

} // namespace stowly
