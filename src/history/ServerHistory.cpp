#include "history/ServerHistory.h"

#include "history/HistoryFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace stowly {
namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(ServerHistory)
};

QString errorOf(const QSqlError& error) {
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    // libpq's first line says it; the rest are hints for a database administrator. Of
    // "connection to server at … failed: Connection refused", the reason is what a person needs.
    text = text.section(u'\n', 0, 0).trimmed();
    static const QRegularExpression connection(
        QStringLiteral("^connection to server .* failed: (.+)$"));
    if (const QRegularExpressionMatch match = connection.match(text); match.hasMatch())
        text = match.captured(1);
    return text;
}

// Several stations may start on a new database at once; one makes the tables.
constexpr qint64 migrationLock = 0x53746f776c79; // "Stowly"

// From one version to the next, in order.
const QList<QStringList>& migrations() {
    static const QList<QStringList> steps{
        {QStringLiteral("CREATE TABLE stowly_copies ("
                        " identity bytea PRIMARY KEY,"
                        " station text NOT NULL,"
                        " source_key text COLLATE \"C\" NOT NULL,"
                        " card_name text NOT NULL,"
                        " source_relative_path text NOT NULL,"
                        " destination_path text NOT NULL,"
                        " size bigint NOT NULL,"
                        " sha256 text NOT NULL,"
                        " offloaded_at timestamptz NOT NULL,"
                        " recorded_at timestamptz NOT NULL DEFAULT now())"),
         // A card's files share the key's first field: one range of this index.
         QStringLiteral("CREATE INDEX stowly_copies_card ON stowly_copies (source_key)"),
         QStringLiteral("CREATE INDEX stowly_copies_station ON stowly_copies (station)")},
    };
    return steps;
}

const QString columns = QStringLiteral(
    "station, source_key, card_name, source_relative_path, destination_path, size, sha256, "
    "extract(epoch from offloaded_at)::bigint");

HistoryEntry entryFrom(const QSqlQuery& query) {
    HistoryEntry e;
    e.station = query.value(0).toString();
    e.sourceKey = query.value(1).toString();
    e.cardName = query.value(2).toString();
    e.sourceRelativePath = query.value(3).toString();
    e.destinationPath = query.value(4).toString();
    e.size = query.value(5).toLongLong();
    e.sha256 = query.value(6).toString();
    e.offloadedAt = QDateTime::fromSecsSinceEpoch(query.value(7).toLongLong(), Qt::UTC);
    return e;
}

quint64 leadingBits(const QByteArray& identity) {
    quint64 value = 0;
    for (int i = 0; i < 7 && i < identity.size(); ++i)
        value = (value << 8) | quint8(identity[i]);
    return value;
}

std::atomic<quint64> linkNumber{0};

} // namespace

ServerHistory::ServerHistory(ServerAddress address, QString station, QString password)
    : m_address(std::move(address)), m_station(std::move(station)),
      m_password(std::move(password)) {}

QByteArray ServerHistory::identity(const HistoryEntry& e, const QString& station) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const qint64 seconds = e.offloadedAt.isValid() ? e.offloadedAt.toSecsSinceEpoch() : 0;
    for (const QString& field :
         {station, e.sourceKey, e.destinationPath, QString::number(seconds), e.sha256}) {
        hash.addData(field.toUtf8());
        hash.addData(QByteArrayView("\0", 1));
    }
    return hash.result();
}

ServerHistory::Link::Digest ServerHistory::digestOf(const QSet<QByteArray>& identities) {
    Link::Digest digest;
    digest.count = identities.size();
    for (const QByteArray& id : identities)
        digest.sum += leadingBits(id);
    return digest;
}

QString ServerHistory::unreachableText(const QString& detail) const {
    return Words::tr("Couldn’t reach the history server %1 (%2).")
        .arg(m_address.described(), detail);
}

bool ServerHistory::recentlyFailed() const {
    const qint64 failedAt = m_failedAt.load();
    return failedAt != 0 && QDateTime::currentMSecsSinceEpoch() - failedAt <
                                std::chrono::milliseconds(retryAfter).count();
}

void ServerHistory::noteFailure() const {
    m_failedAt.store(QDateTime::currentMSecsSinceEpoch());
}

ServerHistory::Link::Link(const ServerHistory& server)
    : m_server(server), m_name(QStringLiteral("stowly-history-%1").arg(++linkNumber)) {
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
    const ServerAddress& a = server.m_address;
    m_db.setHostName(a.host);
    m_db.setPort(a.port);
    m_db.setDatabaseName(a.database);
    if (!a.user.isEmpty())
        m_db.setUserName(a.user);
    if (!server.m_password.isEmpty())
        m_db.setPassword(server.m_password);
    m_db.setConnectOptions(a.options);
}

ServerHistory::Link::~Link() {
    m_insert.reset();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

bool ServerHistory::Link::fail(const QString& what, const QString& detail, QString* error) {
    if (error)
        *error = what.isEmpty() ? m_server.unreachableText(detail) : what.arg(detail);
    // A connection that broke stays broken; the next call connects afresh.
    if (!m_db.isOpen() || !QSqlQuery(QStringLiteral("SELECT 1"), m_db).isActive()) {
        m_insert.reset();
        m_db.close();
        m_server.noteFailure();
    }
    return false;
}

bool ServerHistory::Link::isOpen() const {
    return m_db.isOpen();
}

void ServerHistory::Link::close() {
    m_insert.reset();
    m_db.close();
}

bool ServerHistory::Link::open(QString* error) {
    if (m_db.isOpen())
        return true;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        if (error)
            *error =
                Words::tr("Qt’s PostgreSQL driver isn’t installed (Debian’s libqt6sql6-psql).");
        return false;
    }
    if (!m_db.open()) {
        m_server.noteFailure();
        if (error)
            *error = m_server.unreachableText(errorOf(m_db.lastError()));
        return false;
    }
    if (!m_server.m_migrated.load() && !migrate(error)) {
        m_db.close();
        return false;
    }
    m_server.m_migrated.store(true);
    m_server.m_failedAt.store(0);
    return true;
}

bool ServerHistory::Link::migrate(QString* error) {
    QSqlQuery q(m_db);
    const QString failed = Words::tr("Couldn’t prepare the history server’s tables: %1");
    if (!m_db.transaction())
        return fail(failed, errorOf(m_db.lastError()), error);
    const auto run = [&](const QString& sql) { return q.exec(sql); };
    // "already exists, skipping" is no news to anyone reading the terminal.
    if (!run(QStringLiteral("SET LOCAL client_min_messages = warning")) ||
        !run(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(migrationLock)) ||
        !run(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS stowly_schema (version integer NOT NULL)")) ||
        !run(QStringLiteral("SELECT coalesce(max(version), 0) FROM stowly_schema")) || !q.next()) {
        const QString detail = errorOf(q.lastError());
        m_db.rollback();
        return fail(failed, detail, error);
    }
    const int version = q.value(0).toInt();
    if (version > schemaVersion) {
        m_db.rollback();
        if (error)
            *error =
                Words::tr("The history server’s tables were made by a newer Stowly (version %1); "
                          "this one reads version %2. Update Stowly on this station.")
                    .arg(version)
                    .arg(schemaVersion);
        return false;
    }
    for (int step = version; step < schemaVersion; ++step)
        for (const QString& sql : migrations()[step])
            if (!run(sql)) {
                const QString detail = errorOf(q.lastError());
                m_db.rollback();
                return fail(failed, detail, error);
            }
    if (version < schemaVersion &&
        (!run(QStringLiteral("DELETE FROM stowly_schema")) ||
         !run(QStringLiteral("INSERT INTO stowly_schema VALUES (%1)").arg(schemaVersion)))) {
        const QString detail = errorOf(q.lastError());
        m_db.rollback();
        return fail(failed, detail, error);
    }
    if (!m_db.commit())
        return fail(failed, errorOf(m_db.lastError()), error);
    return true;
}

std::optional<int> ServerHistory::Link::insert(const HistoryEntry& e, const QString& station,
                                               QString* error) {
    if (!open(error))
        return std::nullopt;
    if (!m_insert) {
        m_insert = std::make_unique<QSqlQuery>(m_db);
        if (!m_insert->prepare(QStringLiteral(
                "INSERT INTO stowly_copies (identity, station, source_key, card_name, "
                "source_relative_path, destination_path, size, sha256, offloaded_at) VALUES (?, "
                "?, ?, ?, ?, ?, ?, ?, to_timestamp(?)) ON CONFLICT (identity) DO NOTHING"))) {
            const QString detail = errorOf(m_insert->lastError());
            m_insert.reset();
            fail({}, detail, error);
            return std::nullopt;
        }
    }
    QSqlQuery& q = *m_insert;
    const QVariant values[] = {
        QVariant(identity(e, station)),
        QVariant(station),
        QVariant(e.sourceKey),
        QVariant(e.cardName),
        QVariant(e.sourceRelativePath),
        QVariant(e.destinationPath),
        QVariant(e.size),
        QVariant(e.sha256),
        QVariant(e.offloadedAt.isValid() ? e.offloadedAt.toSecsSinceEpoch() : qint64(0))};
    for (int i = 0; i < int(std::size(values)); ++i)
        q.bindValue(i, values[i]);
    if (!q.exec()) {
        fail({}, errorOf(q.lastError()), error);
        return std::nullopt;
    }
    const int added = q.numRowsAffected() > 0 ? 1 : 0;
    q.finish();
    return added;
}

bool ServerHistory::Link::selectEach(const QString& where, const QList<QVariant>& values,
                                     const std::function<void(const HistoryEntry&)>& take,
                                     QString* error) {
    if (!open(error))
        return false;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM stowly_copies WHERE %2 ORDER BY offloaded_at, "
                             "source_key, destination_path")
                  .arg(columns, where));
    for (const QVariant& value : values)
        q.addBindValue(value);
    if (!q.exec())
        return fail({}, errorOf(q.lastError()), error);
    while (q.next())
        take(entryFrom(q));
    return true;
}

std::optional<QList<HistoryEntry>>
ServerHistory::Link::select(const QString& where, const QList<QVariant>& values, QString* error) {
    QList<HistoryEntry> entries;
    if (!selectEach(
            where, values, [&](const HistoryEntry& entry) { entries.append(entry); }, error))
        return std::nullopt;
    return entries;
}

std::optional<ServerHistory::Link::Digest> ServerHistory::Link::digest(const QString& station,
                                                                       QString* error) {
    if (!open(error))
        return std::nullopt;
    QSqlQuery q(m_db);
    // The same sum as digestOf: the first 56 bits of each identity, modulo 2^64.
    q.prepare(QStringLiteral(
        "SELECT count(*), (coalesce(sum(('x' || encode(substring(identity from 1 for 7), "
        "'hex'))::bit(56)::bigint), 0) % 18446744073709551616)::text "
        "FROM stowly_copies WHERE station = ?"));
    q.addBindValue(station);
    if (!q.exec() || !q.next()) {
        fail({}, errorOf(q.lastError()), error);
        return std::nullopt;
    }
    return Digest{q.value(0).toLongLong(), q.value(1).toString().toULongLong()};
}

std::optional<QSet<QByteArray>> ServerHistory::Link::identities(const QString& station,
                                                                QString* error) {
    if (!open(error))
        return std::nullopt;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT identity FROM stowly_copies WHERE station = ?"));
    q.addBindValue(station);
    if (!q.exec()) {
        fail({}, errorOf(q.lastError()), error);
        return std::nullopt;
    }
    QSet<QByteArray> ids;
    while (q.next())
        ids.insert(q.value(0).toByteArray());
    return ids;
}

std::optional<int> ServerHistory::Link::forgetCard(const QString& station,
                                                   const QString& volumeIdentity, QString* error) {
    if (!open(error))
        return std::nullopt;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("DELETE FROM stowly_copies WHERE station = ? AND source_key >= ? "
                             "AND source_key < ?"));
    q.addBindValue(station);
    q.addBindValue(volumeIdentity + u'|');
    q.addBindValue(volumeIdentity + u'}');
    if (!q.exec()) {
        fail({}, errorOf(q.lastError()), error);
        return std::nullopt;
    }
    return q.numRowsAffected();
}

std::optional<int> ServerHistory::Link::forget(const HistoryEntry& entry, const QString& station,
                                               QString* error) {
    if (!open(error))
        return std::nullopt;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("DELETE FROM stowly_copies WHERE identity = ?"));
    q.addBindValue(identity(entry, station));
    if (!q.exec()) {
        fail({}, errorOf(q.lastError()), error);
        return std::nullopt;
    }
    return q.numRowsAffected();
}

std::optional<QList<std::pair<QString, qint64>>> ServerHistory::Link::stations(QString* error) {
    if (!open(error))
        return std::nullopt;
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral(
            "SELECT station, count(*) FROM stowly_copies GROUP BY station ORDER BY station"))) {
        fail({}, errorOf(q.lastError()), error);
        return std::nullopt;
    }
    QList<std::pair<QString, qint64>> list;
    while (q.next())
        list.append({q.value(0).toString(), q.value(1).toLongLong()});
    return list;
}

std::optional<qsizetype> ServerHistory::record(const QList<HistoryEntry>& entries, QString* error) {
    Link link(*this);
    qsizetype added = 0;
    for (const HistoryEntry& entry : entries) {
        const std::optional<int> inserted =
            link.insert(entry, entry.station.isEmpty() ? m_station : entry.station, error);
        if (!inserted)
            return std::nullopt;
        added += *inserted;
    }
    return added;
}

std::optional<QList<HistoryEntry>> ServerHistory::cardRecords(const QString& volumeIdentity,
                                                              QString* error) {
    // The key's first field is the card; "}" follows "|" in byte order.
    return Link(*this).select(QStringLiteral("source_key >= ? AND source_key < ?"),
                              {volumeIdentity + u'|', volumeIdentity + u'}'}, error);
}

std::optional<QList<HistoryEntry>> ServerHistory::stationRecords(const QString& station,
                                                                 QString* error) {
    return Link(*this).select(QStringLiteral("station = ?"), {station}, error);
}

std::optional<QList<HistoryEntry>>
ServerHistory::otherStationsRecords(const QString& volumeIdentity, QString* error) {
    if (recentlyFailed()) {
        if (error)
            *error = unreachableText(Words::tr("it didn’t answer a moment ago"));
        return std::nullopt;
    }
    std::optional<QList<HistoryEntry>> records =
        Link(*this).select(QStringLiteral("source_key >= ? AND source_key < ? AND station <> ?"),
                           {volumeIdentity + u'|', volumeIdentity + u'}', m_station}, error);
    return records;
}

} // namespace stowly
