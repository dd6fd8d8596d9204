#pragma once

#include "copy/ReadBack.h"
#include "media/MediaFacts.h"

#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

// What one offload did, kept after it for its reports: the history holds each verified copy,
// this holds the run around them (the card, who and where, how the copies were proved, what
// failed) and the facts the history has no room for (xxh128 and the other formats, what is on
// each file).
struct RunRecord {
    struct Card {
        QString name;
        // The first field of the card's history keys.
        QString identity;
        qint64 capacity = 0;
        QString fileSystem;
        friend bool operator==(const Card&, const Card&) = default;
    };
    struct Destination {
        enum class Role { main, backup, cascade };
        QString root;
        Role role = Role::main;
        // Every copy is read back from the drive after a flush; these are the further checks.
        bool sourceReadTwice = false;
        bool ascMhl = false;
        friend bool operator==(const Destination&, const Destination&) = default;
    };
    struct Copy {
        QString sourceKey;
        QString sourceRelativePath;
        // The destination root, as in `destinations`.
        QString destination;
        QString path;
        qint64 size = 0;
        QString sha256;
        QString xxh128;
        // Other formats by manifest name ("md5", "c4", …).
        QMap<QString, QString> hashes;
        QDateTime provedAt;
        // Where its proving read-back came from; none for a failed copy, and for one recorded
        // before runs kept it.
        std::optional<ReadBack> readBack;
        // Why it failed; none for a verified copy.
        std::optional<QString> failure;
        friend bool operator==(const Copy&, const Copy&) = default;
    };

    QString id;
    QDateTime startedAt;
    QDateTime endedAt;
    Card card;
    QString camera;
    QString project;
    QString operatorName;
    QString computer;
    QString version;
    bool cancelled = false;
    QList<Destination> destinations;
    // "xxh128" and the other formats the ASC MHL histories took.
    QStringList hashFormats;
    QList<Copy> copies;
    // Problems of the run, one line each, in the system's words.
    QStringList failures;
    // By the file's relative path on the card.
    QHash<QString, MediaFacts> facts;

    // The copies' files proved at every destination, and their bytes (each file once).
    int filesCopied() const;
    qint64 bytesCopied() const;

    QJsonObject toJson() const;
    // None when the object is not a run record; wrong-typed fields count as missing.
    static std::optional<RunRecord> fromJson(const QJsonObject& object);

    friend bool operator==(const RunRecord&, const RunRecord&) = default;
};

namespace runRole {
QString name(RunRecord::Destination::Role role);
} // namespace runRole

} // namespace stowly
