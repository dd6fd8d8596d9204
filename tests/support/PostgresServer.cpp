#include "support/PostgresServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/shm.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace stowly::test {
namespace {

const QString user = QStringLiteral("stowly");

// Debian keeps the server's programs out of PATH, one folder per major version.
QString serverBinaries() {
    QStringList candidates{QStringLiteral("/usr/lib/postgresql/15/bin")};
    QStringList versions =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(),
              [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
    for (const QString& version : versions)
        candidates << QStringLiteral("/usr/lib/postgresql/") + version + QStringLiteral("/bin");
    const QString initdb = QStandardPaths::findExecutable(QStringLiteral("initdb"));
    if (!initdb.isEmpty())
        candidates << QFileInfo(initdb).absolutePath();
    for (const QString& folder : candidates)
        if (QFileInfo(folder + QStringLiteral("/initdb")).isExecutable() &&
            QFileInfo(folder + QStringLiteral("/postgres")).isExecutable())
            return folder;
    return {};
}

// Settings of the test's shell (PGHOST, PGOPTIONS, PGCLIENTENCODING…) must not reach the server
// or psql.
QProcessEnvironment cleanEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : environment.keys())
        if (name.startsWith(QStringLiteral("PG")))
            environment.remove(name);
    return environment;
}

// The exit status, or -1 when the program did not run to its end in time.
int runToEnd(QProcess& process, const QString& program, const QStringList& arguments, int timeoutMs,
             const QByteArray& input = {}) {
    process.setProcessEnvironment(cleanEnvironment());
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return -1;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// initdb's own complaint rather than its farewell.
QString firstError(const QByteArray& text) {
    for (const QByteArray& line : text.split('\n'))
        if (line.contains("error:"))
            return QString::fromUtf8(line).trimmed();
    return QString::fromUtf8(text).trimmed();
}

QString lastLine(const QByteArray& text) {
    const QList<QByteArray> lines = text.trimmed().split('\n');
    return QString::fromUtf8(lines.last()).trimmed();
}

QList<QByteArray> linesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
}

// The state letter of /proc/<pid>/stat ('R', 'S', 'T', 'Z'…), or 0 where there is no process.
char processState(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // "pid (name) state ppid …", where the name may hold spaces.
    const QByteArray line = stat.readAll();
    const qsizetype end = line.lastIndexOf(')');
    return end >= 0 && end + 2 < line.size() ? line.at(end + 2) : 0;
}

// A zombie has let go of everything it held, shared memory included.
bool alive(qint64 pid) {
    const char state = processState(pid);
    return state != 0 && state != 'Z' && state != 'X';
}

QList<qint64> childrenOf(qint64 parent) {
    QList<qint64> children;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        const qint64 pid = entry.toLongLong();
        if (pid <= 0)
            continue;
        QFile stat(QStringLiteral("/proc/") + entry + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        if (line.mid(line.lastIndexOf(')') + 2).split(' ').value(1).toLongLong() == parent)
            children << pid;
    }
    return children;
}

template <typename Condition> bool waitUntil(Condition condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}

} // namespace

// Not in TMPDIR, which may be deep: a socket's path must fit in 107 bytes.
PostgresServer::PostgresServer(const QString& binaries, const QString& psql)
    : m_binaries(binaries), m_psql(psql), m_dir(QStringLiteral("/tmp/stowly-pg-XXXXXX")),
      m_folder(m_dir.path()) {}

std::unique_ptr<PostgresServer> PostgresServer::start(QString* whyNot) {
    const QString binaries = serverBinaries();
    if (binaries.isEmpty()) {
        *whyNot = QStringLiteral("the PostgreSQL server (initdb, postgres) is not installed");
        return nullptr;
    }
    QString psql = binaries + QStringLiteral("/psql");
    if (!QFileInfo(psql).isExecutable())
        psql = QStandardPaths::findExecutable(QStringLiteral("psql"));
    if (psql.isEmpty()) {
        *whyNot = QStringLiteral("psql is not installed");
        return nullptr;
    }
    std::unique_ptr<PostgresServer> server(new PostgresServer(binaries, psql));
    if (!server->m_dir.isValid()) {
        *whyNot =
            QStringLiteral("no temporary folder for the server: ") + server->m_dir.errorString();
        return nullptr;
    }
    const QByteArray folder = QFile::encodeName(server->m_folder);
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody) {
            *whyNot = QStringLiteral("there is no user \"nobody\" to run the server as");
            return nullptr;
        }
        server->m_dropRights = true;
        server->m_uid = nobody->pw_uid;
        server->m_gid = nobody->pw_gid;
        if (::chown(folder.constData(), server->m_uid, server->m_gid) != 0 ||
            ::chmod(folder.constData(), 0755) != 0) {
            *whyNot = QStringLiteral("the server's folder cannot be given to \"nobody\"");
            return nullptr;
        }
    }
    // The port only names the socket in the server's own folder, so any free name will do.
    do
        server->m_port = 20000 + int(QRandomGenerator::global()->bounded(40000));
    while (QFile::exists(server->m_folder + QStringLiteral("/.s.PGSQL.%1").arg(server->m_port)));

    QProcess initdb;
    initdb.setWorkingDirectory(server->m_folder);
    initdb.setChildProcessModifier(server->asServerUser(false));
    if (runToEnd(initdb, binaries + QStringLiteral("/initdb"),
                 {QStringLiteral("-D"), server->dataFolder(), QStringLiteral("-A"),
                  QStringLiteral("trust"), QStringLiteral("-U"), user, QStringLiteral("--no-sync"),
                  QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8")},
                 60000) != 0) {
        *whyNot = QStringLiteral("initdb failed: ") + firstError(initdb.readAllStandardError());
        return nullptr;
    }
    // Flushing to disk is of no interest to a test: a killed server still finds its writes in
    // the page cache. Commits stay synchronous, though, or a kill would lose the last ones as
    // only a power cut may. Dynamic shared memory in the data folder goes with the folder, even
    // after a crash.
    QFile configuration(server->dataFolder() + QStringLiteral("/postgresql.conf"));
    if (!configuration.open(QIODevice::WriteOnly | QIODevice::Append) ||
        configuration.write(QStringLiteral("\nlisten_addresses = ''\n"
                                           "unix_socket_directories = '%1'\n"
                                           "port = %2\n"
                                           "fsync = off\n"
                                           "full_page_writes = off\n"
                                           "dynamic_shared_memory_type = mmap\n")
                                .arg(server->m_folder)
                                .arg(server->m_port)
                                .toUtf8()) < 0) {
        *whyNot = QStringLiteral("the server's configuration cannot be written");
        return nullptr;
    }
    configuration.close();
    if (!server->launch(whyNot))
        return nullptr;
    bool created = false;
    const QString error = server->runPsql(QStringLiteral("postgres"),
                                          QStringLiteral("CREATE DATABASE stowly"), &created);
    if (!created) {
        *whyNot = QStringLiteral("the database could not be created: ") + error;
        return nullptr;
    }
    return server;
}

std::function<void()> PostgresServer::asServerUser(bool endWithParent) const {
    const bool drop = m_dropRights;
    const uid_t uid = m_uid;
    const gid_t gid = m_gid;
    const pid_t parent = ::getpid();
    return [=] {
        if (drop && (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0))
            ::_exit(126);
        // After setuid, which clears it. SIGQUIT is an immediate shutdown, which takes the
        // server's own processes along.
        if (endWithParent && (::prctl(PR_SET_PDEATHSIG, SIGQUIT) != 0 || ::getppid() != parent))
            ::_exit(126);
    };
}

bool PostgresServer::launch(QString* whyNot) {
    m_postmaster = std::make_unique<QProcess>();
    m_postmaster->setWorkingDirectory(m_folder);
    m_postmaster->setProcessEnvironment(cleanEnvironment());
    m_postmaster->setStandardInputFile(QProcess::nullDevice());
    m_postmaster->setStandardOutputFile(logFile(), QIODevice::Append);
    m_postmaster->setStandardErrorFile(logFile(), QIODevice::Append);
    // The server as this process's child rather than pg_ctl's daemon: it goes when the test
    // goes, and this process reaps it, so no zombie keeps its pid alive in the lock file.
    m_postmaster->setChildProcessModifier(asServerUser(true));
    m_postmaster->start(m_binaries + QStringLiteral("/postgres"),
                        {QStringLiteral("-D"), dataFolder()});
    if (!m_postmaster->waitForStarted(10000)) {
        *whyNot = QStringLiteral("postgres did not start: ") + m_postmaster->errorString();
        m_postmaster.reset();
        return false;
    }
    const qint64 pid = m_postmaster->processId();
    // As pg_ctl does: the lock file says "ready" once the server takes connections; crash
    // recovery comes before.
    const bool ready = waitUntil(
        [&] {
            if (!alive(pid))
                return true;
            const QList<QByteArray> lines =
                linesOf(dataFolder() + QStringLiteral("/postmaster.pid"));
            return lines.value(0).trimmed().toLongLong() == pid &&
                   lines.value(7).trimmed() == "ready";
        },
        30000);
    if (!ready || !alive(pid)) {
        *whyNot = QStringLiteral("the server did not start: ") + lastLogLine();
        kill();
        return false;
    }
    return true;
}

QString PostgresServer::connectionString() const {
    return QStringLiteral("host=%1 port=%2 dbname=stowly user=%3")
        .arg(m_folder)
        .arg(m_port)
        .arg(user);
}

bool PostgresServer::isRunning() const {
    return m_postmaster && m_postmaster->processId() > 0 && alive(m_postmaster->processId());
}

bool PostgresServer::shutDown(int signal, int timeoutMs) {
    if (!m_postmaster)
        return true;
    const qint64 pid = m_postmaster->processId();
    if (pid > 0)
        ::kill(pid, signal);
    if (!m_postmaster->waitForFinished(timeoutMs) && m_postmaster->state() != QProcess::NotRunning)
        return false;
    m_postmaster.reset();
    return true;
}

bool PostgresServer::stop(QString* whyNot) {
    // SIGINT is pg_ctl's fast shutdown; the postmaster waits for its processes before it ends.
    if (!shutDown(SIGINT, 30000)) {
        *whyNot = QStringLiteral("the server did not stop: ") + lastLogLine();
        return false;
    }
    return true;
}

bool PostgresServer::startAgain(QString* whyNot) {
    if (isRunning())
        return true;
    // A postmaster that died on its own still wants reaping, its processes ending.
    kill();
    removeStaleLocks();
    return launch(whyNot);
}

void PostgresServer::kill() {
    if (!m_postmaster)
        return;
    const qint64 pid = m_postmaster->processId();
    if (pid > 0) {
        // Stopped, the postmaster starts no process the list below would miss. Its processes
        // each lead a process group of their own, so only their parent tells them.
        ::kill(pid, SIGSTOP);
        waitUntil(
            [pid] {
                const char state = processState(pid);
                return state == 0 || state == 'T' || state == 'Z' || state == 'X';
            },
            5000);
        const QList<qint64> children = childrenOf(pid);
        for (const qint64 child : children)
            ::kill(child, SIGKILL);
        // Orphaned, they come to this process rather than to an init that may never reap
        // them, and are reaped here.
        int wasSubreaper = 0;
        ::prctl(PR_GET_CHILD_SUBREAPER, &wasSubreaper);
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
        ::kill(pid, SIGKILL);
        m_postmaster->waitForFinished(10000);
        waitUntil(
            [&children] {
                return std::none_of(children.cbegin(), children.cend(), [](qint64 child) {
                    ::waitpid(pid_t(child), nullptr, WNOHANG);
                    return alive(child);
                });
            },
            10000);
        // Those that turned zombie after their last look above.
        for (const qint64 child : children)
            ::waitpid(pid_t(child), nullptr, WNOHANG);
        ::prctl(PR_SET_CHILD_SUBREAPER, wasSubreaper);
    }
    m_postmaster.reset();
}

void PostgresServer::removeStaleLocks() const {
    // The server itself clears a lock whose process is gone, but not one whose pid another
    // process has taken meanwhile, or a zombie holds.
    for (const QString& lock : {dataFolder() + QStringLiteral("/postmaster.pid"),
                                m_folder + QStringLiteral("/.s.PGSQL.%1.lock").arg(m_port)}) {
        const qint64 pid = linesOf(lock).value(0).trimmed().toLongLong();
        if (pid > 0 && ::kill(pid_t(pid), 0) == 0)
            QFile::remove(lock);
    }
}

void PostgresServer::removeLeftoverSharedMemory() const {
    // The lock file's seventh line: "<key> <id>" of the segment.
    const QList<QByteArray> fields =
        linesOf(dataFolder() + QStringLiteral("/postmaster.pid")).value(6).simplified().split(' ');
    bool haveKey = false;
    bool haveId = false;
    const qlonglong key = fields.value(0).toLongLong(&haveKey);
    const int id = fields.value(1).toInt(&haveId);
    shmid_ds segment{};
    if (haveKey && haveId && ::shmctl(id, IPC_STAT, &segment) == 0 &&
        segment.shm_perm.__key == key_t(key) && segment.shm_nattch == 0)
        ::shmctl(id, IPC_RMID, nullptr);
}

QString PostgresServer::runPsql(const QString& database, const QString& sql, bool* ok) const {
    QProcess psql;
    psql.setWorkingDirectory(m_folder);
    const int status = runToEnd(
        psql, m_psql,
        {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"), QStringLiteral("-t"),
         QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), m_folder,
         QStringLiteral("-p"), QString::number(m_port), QStringLiteral("-U"), user,
         QStringLiteral("-d"), database, QStringLiteral("-f"), QStringLiteral("-")},
        30000, sql.toUtf8());
    if (ok)
        *ok = status == 0;
    if (status == 0)
        return QString::fromUtf8(psql.readAllStandardOutput()).trimmed();
    const QString errors = QString::fromUtf8(psql.readAllStandardError()).trimmed();
    return errors.isEmpty() ? QStringLiteral("psql did not finish") : errors;
}

QString PostgresServer::query(const QString& sql, bool* ok) const {
    return runPsql(QStringLiteral("stowly"), sql, ok);
}

QString PostgresServer::lastLogLine() const {
    QFile log(logFile());
    return log.open(QIODevice::ReadOnly) ? lastLine(log.readAll()) : QString();
}

PostgresServer::~PostgresServer() {
    // SIGQUIT is pg_ctl's immediate shutdown.
    if (isRunning())
        shutDown(SIGQUIT, 10000);
    kill();
    removeLeftoverSharedMemory();
}

} // namespace stowly::test
