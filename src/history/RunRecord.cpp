#include "history/RunRecord.h"

#include <QJsonArray>
#include <QSet>

namespace stowly {

namespace {

constexpr int formatVersion = 1;

QString text(const QJsonObject& object, const char* key) {
    return object.value(QLatin1String(key)).toString();
}

QString time(const QDateTime& at) {
    return at.isValid() ? at.toUTC().toString(Qt::ISODateWithMs) : QString();
}

QDateTime timeOf(const QJsonObject& object, const char* key) {
    return QDateTime::fromString(text(object, key), Qt::ISODateWithMs);
}

qint64 count(const QJsonObject& object, const char* key) {
    const double value = object.value(QLatin1String(key)).toDouble();
    return value >= 0 && value < 9e18 ? qint64(value) : 0;
}

QJsonArray texts(const QStringList& list) {
    return QJsonArray::fromStringList(list);
}

QStringList textsOf(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        if (item.isString())
            list << item.toString();
    return list;
}

RunRecord::Destination::Role roleOf(const QString& name) {
    using Role = RunRecord::Destination::Role;
    return name == u"backup" ? Role::backup : name == u"cascade" ? Role::cascade : Role::main;
}

} // namespace

QString runRole::name(RunRecord::Destination::Role role) {
    using Role = RunRecord::Destination::Role;
    switch (role) {
    case Role::main:
        return QStringLiteral("main");
    case Role::backup:
        return QStringLiteral("backup");
    case Role::cascade:
        return QStringLiteral("cascade");
    }
    return {};
}

int RunRecord::filesCopied() const {
    QSet<QString> failed;
    QSet<QString> proved;
    for (const Copy& copy : copies)
        (copy.failure ? failed : proved).insert(copy.sourceRelativePath);
    return int((proved - failed).size());
}

qint64 RunRecord::bytesCopied() const {
    QSet<QString> seen;
    qint64 bytes = 0;
    for (const Copy& copy : copies)
        if (!copy.failure && !seen.contains(copy.sourceRelativePath)) {
            seen.insert(copy.sourceRelativePath);
            bytes += copy.size;
        }
    return bytes;
}

QJsonObject RunRecord::toJson() const {
    QJsonArray destinationArray;
    for (const Destination& d : destinations)
        destinationArray.append(QJsonObject{{QStringLiteral("root"), d.root},
                                            {QStringLiteral("role"), runRole::name(d.role)},
                                            {QStringLiteral("sourceReadTwice"), d.sourceReadTwice},
                                            {QStringLiteral("ascMhl"), d.ascMhl}});
    QJsonArray copyArray;
    for (const Copy& c : copies) {
        QJsonObject object{{QStringLiteral("sourceKey"), c.sourceKey},
                           {QStringLiteral("source"), c.sourceRelativePath},
                           {QStringLiteral("destination"), c.destination},
                           {QStringLiteral("path"), c.path},
                           {QStringLiteral("size"), c.size}};
        if (c.failure) {
            object.insert(QStringLiteral("failure"), *c.failure);
        } else {
            object.insert(QStringLiteral("sha256"), c.sha256);
            if (!c.xxh128.isEmpty())
                object.insert(QStringLiteral("xxh128"), c.xxh128);
            QJsonObject hashes;
            for (auto it = c.hashes.cbegin(); it != c.hashes.cend(); ++it)
                hashes.insert(it.key(), it.value());
            if (!hashes.isEmpty())
                object.insert(QStringLiteral("hashes"), hashes);
            object.insert(QStringLiteral("provedAt"), time(c.provedAt));
            if (c.readBack)
                object.insert(QStringLiteral("readBack"), readBack::name(*c.readBack));
        }
        copyArray.append(object);
    }
    QJsonObject factsObject;
    for (auto it = facts.cbegin(); it != facts.cend(); ++it)
        if (!it.value().isEmpty())
            factsObject.insert(it.key(), it.value().toJson());
    return {{QStringLiteral("stowlyRun"), formatVersion},
            {QStringLiteral("id"), id},
            {QStringLiteral("startedAt"), time(startedAt)},
            {QStringLiteral("endedAt"), time(endedAt)},
            {QStringLiteral("card"), QJsonObject{{QStringLiteral("name"), card.name},
                                                 {QStringLiteral("identity"), card.identity},
                                                 {QStringLiteral("capacity"), card.capacity},
                                                 {QStringLiteral("fileSystem"), card.fileSystem}}},
            {QStringLiteral("camera"), camera},
            {QStringLiteral("project"), project},
            {QStringLiteral("operator"), operatorName},
            {QStringLiteral("computer"), computer},
            {QStringLiteral("version"), version},
            {QStringLiteral("cancelled"), cancelled},
            {QStringLiteral("destinations"), destinationArray},
            {QStringLiteral("hashFormats"), texts(hashFormats)},
            {QStringLiteral("copies"), copyArray},
            {QStringLiteral("failures"), texts(failures)},
            {QStringLiteral("facts"), factsObject}};
}

std::optional<RunRecord> RunRecord::fromJson(const QJsonObject& object) {
    if (object.value(QStringLiteral("stowlyRun")).toInt() < 1 || text(object, "id").isEmpty())
        return std::nullopt;
    RunRecord run;
    run.id = text(object, "id");
    run.startedAt = timeOf(object, "startedAt");
    run.endedAt = timeOf(object, "endedAt");
    if (!run.startedAt.isValid())
        return std::nullopt;
    const QJsonObject card = object.value(QStringLiteral("card")).toObject();
    run.card = {text(card, "name"), text(card, "identity"), count(card, "capacity"),
                text(card, "fileSystem")};
    run.camera = text(object, "camera");
    run.project = text(object, "project");
    run.operatorName = text(object, "operator");
    run.computer = text(object, "computer");
    run.version = text(object, "version");
    run.cancelled = object.value(QStringLiteral("cancelled")).toBool();
    for (const QJsonValue& item : object.value(QStringLiteral("destinations")).toArray()) {
        const QJsonObject d = item.toObject();
        run.destinations.append({text(d, "root"), roleOf(text(d, "role")),
                                 d.value(QStringLiteral("sourceReadTwice")).toBool(),
                                 d.value(QStringLiteral("ascMhl")).toBool()});
    }
    run.hashFormats = textsOf(object.value(QStringLiteral("hashFormats")));
    for (const QJsonValue& item : object.value(QStringLiteral("copies")).toArray()) {
        const QJsonObject c = item.toObject();
        Copy copy;
        copy.sourceKey = text(c, "sourceKey");
        copy.sourceRelativePath = text(c, "source");
        copy.destination = text(c, "destination");
        copy.path = text(c, "path");
        copy.size = count(c, "size");
        if (c.value(QStringLiteral("failure")).isString()) {
            // A failed copy has no digests: whatever else the line says is not its.
            copy.failure = text(c, "failure");
        } else {
            copy.sha256 = text(c, "sha256");
            copy.xxh128 = text(c, "xxh128");
            const QJsonObject hashes = c.value(QStringLiteral("hashes")).toObject();
            for (auto it = hashes.constBegin(); it != hashes.constEnd(); ++it)
                if (it.value().isString())
                    copy.hashes.insert(it.key(), it.value().toString());
            copy.provedAt = timeOf(c, "provedAt");
            copy.readBack = readBack::fromName(text(c, "readBack"));
        }
        run.copies.append(copy);
    }
    run.failures = textsOf(object.value(QStringLiteral("failures")));
    const QJsonObject facts = object.value(QStringLiteral("facts")).toObject();
    for (auto it = facts.constBegin(); it != facts.constEnd(); ++it)
        if (const MediaFacts read = MediaFacts::fromJson(it.value().toObject()); !read.isEmpty())
            run.facts.insert(it.key(), read);
    return run;
}

} // namespace stowly
