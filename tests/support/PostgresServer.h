#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

#include <functional>
#include <memory>

namespace stowly::test {

// A real PostgreSQL server of the test's own, with its own data folder, reached only through a
// Unix socket in a folder of its own: the database "stowly" of the user "stowly", who needs no
// password. initdb refuses root, so where tests run as root the server runs as "nobody".
// The server ends with the object, or with the thread that started it (the parent-death signal
// follows the thread), so a test that dies leaves no server behind.
class PostgresServer {
public:
    // Nothing, with the reason in `whyNot`, where this machine lacks PostgreSQL.
    static std::unique_ptr<PostgresServer> start(QString* whyNot);
    // The server ends (immediate shutdown, then SIGKILL of anything left) and its folder goes.
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    // libpq's keyword form for the database "stowly":
    // "host=<folder> port=<port> dbname=stowly user=stowly".
    QString connectionString() const;
    // libpq takes a host that starts with a slash for the folder of the socket.
    const QString& socketFolder() const { return m_folder; }
    // It only names the socket, .s.PGSQL.<port>; nothing listens on TCP.
    int port() const { return m_port; }

    // A clean stop: a fast shutdown, which ends the connections and writes a checkpoint.
    bool stop(QString* whyNot);
    // The server again, on the same socket; after kill() it replays its write-ahead log first.
    bool startAgain(QString* whyNot);
    // The server crashes: the postmaster and all its processes die at once (SIGKILL), and
    // nothing listens afterwards; committed work survives it. Nothing happens when the
    // server is not running.
    void kill();
    bool isRunning() const;

    // Runs SQL, one statement or several, through psql on the database "stowly", each
    // statement committing on its own unless the SQL says otherwise. The output trimmed: rows a
    // line each, columns separated by '|'. With `ok` false, psql's errors instead.
    QString query(const QString& sql, bool* ok = nullptr) const;

private:
    PostgresServer(const QString& binaries, const QString& psql);
    QString dataFolder() const { return m_folder + QStringLiteral("/data"); }
    QString logFile() const { return m_folder + QStringLiteral("/log"); }
    // What runs initdb and the server as the user that owns the data.
    std::function<void()> asServerUser(bool endWithParent) const;
    bool launch(QString* whyNot);
    // The postmaster ends on `signal` within the time; false when it is still there.
    bool shutDown(int signal, int timeoutMs);
    // Lock files naming a process that has taken the killed postmaster's pid.
    void removeStaleLocks() const;
    // Only a killed server leaves its System V segment behind.
    void removeLeftoverSharedMemory() const;
    QString runPsql(const QString& database, const QString& sql, bool* ok) const;
    QString lastLogLine() const;

    QString m_binaries;
    QString m_psql;
    QTemporaryDir m_dir;
    QString m_folder;
    int m_port = 0;
    bool m_dropRights = false;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
    std::unique_ptr<QProcess> m_postmaster;
};

} // namespace stowly::test
