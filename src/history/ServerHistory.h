#pragma once

#include "history/HistoryStore.h"
#include "history/ServerAddress.h"

#include <QByteArray>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

namespace stowly {

// The history that several stations share, in a PostgreSQL database: one row per verified copy
// and station, keyed by the copy's identity so that writing it again changes nothing. Stowly
// makes the tables and brings them up to date itself. Any thread may ask; each call that is not
// given a Link opens one of its own.
class ServerHistory : public HistoryStore {
public:
    ServerHistory(ServerAddress address, QString station, QString password = {});

    const ServerAddress& address() const { return m_address; }
    // This station's name in the shared history.
    const QString& station() const { return m_station; }

    // One connection, used on the thread that made it and closed when it goes.
    class Link {
    public:
        explicit Link(const ServerHistory& server);
        ~Link();
        Link(const Link&) = delete;
        Link& operator=(const Link&) = delete;

        // Connects, when not connected, and brings the tables up to date; false with the
        // reason in `error`.
        bool open(QString* error);
        bool isOpen() const;
        void close();

        // 1 when the copy was new, 0 when the server held it already; one transaction.
        std::optional<int> insert(const HistoryEntry& entry, const QString& station,
                                  QString* error);
        // The copies the SQL condition picks, oldest first, one at a time: a server may hold
        // millions.
        bool selectEach(const QString& where, const QList<QVariant>& values,
                        const std::function<void(const HistoryEntry&)>& take, QString* error);
        std::optional<QList<HistoryEntry>> select(const QString& where,
                                                  const QList<QVariant>& values, QString* error);
        // The station's copies in brief: how many, and a sum over their identities, so that
        // two sets are compared without sending either.
        struct Digest {
            qint64 count = 0;
            quint64 sum = 0;
            friend bool operator==(const Digest&, const Digest&) = default;
        };
        std::optional<Digest> digest(const QString& station, QString* error);
        std::optional<QSet<QByteArray>> identities(const QString& station, QString* error);
        std::optional<int> forgetCard(const QString& station, const QString& volumeIdentity,
                                      QString* error);
        std::optional<int> forget(const HistoryEntry& entry, const QString& station,
                                  QString* error);
        // Each station and how many copies it has, by name.
        std::optional<QList<std::pair<QString, qint64>>> stations(QString* error);

    private:
        bool migrate(QString* error);
        bool fail(const QString& what, const QString& detail, QString* error);

        const ServerHistory& m_server;
        QString m_name;
        QSqlDatabase m_db;
        // Prepared once per connection: a run sends a record per copy.
        std::unique_ptr<QSqlQuery> m_insert;
    };

    // HistoryStore: this station's copies are recorded under its name.
    std::optional<qsizetype> record(const QList<HistoryEntry>& entries, QString* error) override;
    std::optional<QList<HistoryEntry>> cardRecords(const QString& volumeIdentity,
                                                   QString* error) override;
    std::optional<QList<HistoryEntry>> stationRecords(const QString& station,
                                                      QString* error) override;
    // The card's copies made by the other stations; none while the server is known to be away
    // (it is asked again once `retryAfter` has passed since it last failed).
    std::optional<QList<HistoryEntry>> otherStationsRecords(const QString& volumeIdentity,
                                                            QString* error);

    // Identifies one copy of one station: a second write of it is the same row.
    static QByteArray identity(const HistoryEntry& entry, const QString& station);
    static Link::Digest digestOf(const QSet<QByteArray>& identities);
    // The tables' version this Stowly makes and reads.
    static constexpr int schemaVersion = 1;
    static constexpr std::chrono::seconds retryAfter{5};

    // "Couldn’t reach the history server “stowly” on db.studio (…)."
    QString unreachableText(const QString& detail) const;

private:
    bool recentlyFailed() const;
    void noteFailure() const;

    ServerAddress m_address;
    QString m_station;
    QString m_password;
    mutable std::atomic<qint64> m_failedAt{0};
    // The tables were found up to date once; they are not asked again by this process.
    mutable std::atomic<bool> m_migrated{false};
};

} // namespace stowly
