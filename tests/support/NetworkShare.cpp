#include "support/NetworkShare.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <functional>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace stowly::test {
namespace {

// Only Qt Core and the system here: the fault campaign uses this too.
QString programPath(const QString& name) {
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin"}) : found;
}

// The program's exit status, or -1 when it did not run to its end within a minute.
int runProgram(const QString& program, const QStringList& arguments, QByteArray* output = nullptr,
               const QByteArray& input = {}) {
    QProcess process;
    process.start(programPath(program), arguments);
    if (!process.waitForStarted(10000))
        return -1;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return -1;
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

// A port nobody listens on right now.
int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

bool listening(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    const bool ok =
        fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

bool isMounted(const QString& point) {
    QFile table("/proc/self/mountinfo");
    if (!table.open(QIODevice::ReadOnly))
        return false;
    // Mount points escape a space as \040.
    const QByteArray wanted = QFile::encodeName(point).replace(" ", "\\040");
    for (const QByteArray& line : table.readAll().split('\n'))
        if (line.split(' ').value(4) == wanted)
            return true;
    return false;
}

void end(std::unique_ptr<QProcess>& process) {
    if (!process)
        return;
    process->kill();
    process->waitForFinished(10000);
    process.reset();
}

} // namespace

NetworkShare::NetworkShare(Kind kind, const QString& folder, const Options& options)
    : m_kind(kind), m_folder(folder), m_options(options),
      m_serverFolder(folder + "/served/" + shareName()), m_mountPoint(folder + "/mounted") {}

std::unique_ptr<NetworkShare> NetworkShare::start(Kind kind, const QString& folder,
                                                  QString* whyNot) {
    return start(kind, folder, whyNot, Options());
}

std::unique_ptr<NetworkShare> NetworkShare::start(Kind kind, const QString& folder, QString* whyNot,
                                                  const Options& options) {
    const QStringList tools = kind == Kind::smb
                                  ? QStringList{"smbd", "smbpasswd", "rclone", "fusermount3"}
                                  : QStringList{"sshd", "ssh-keygen", "sshfs", "fusermount3"};
    for (const QString& tool : tools)
        if (programPath(tool).isEmpty()) {
            *whyNot = tool + " is not installed";
            return nullptr;
        }
    if (!QFile::exists("/dev/fuse")) {
        *whyNot = "this machine has no /dev/fuse";
        return nullptr;
    }
    std::unique_ptr<NetworkShare> share(new NetworkShare(kind, folder, options));
    QDir().mkpath(share->m_serverFolder);
    QDir().mkpath(share->m_mountPoint);
    share->m_port = freePort();
    const QString state = folder + "/server";
    QDir().mkpath(state);
    if (kind == Kind::smb) {
        share->m_config = state + "/smb.conf";
        QString conf = QString(R"([global]
workgroup = WORKGROUP
server role = standalone server
interfaces = 127.0.0.1
bind interfaces only = yes
smb ports = %1
disable netbios = yes
server min protocol = SMB2
pid directory = %2
lock directory = %2
state directory = %2
cache directory = %2
private dir = %2
ncalrpc dir = %2/ncalrpc
log file = %2/log.%m
passdb backend = tdbsam:%2/passdb.tdb
load printers = no
printing = bsd
printcap name = /dev/null
disable spoolss = yes
[%3]
path = %4
read only = no
force user = root
)")
                           .arg(share->m_port)
                           .arg(state, shareName(), share->m_serverFolder);
        writeText(share->m_config, conf);
        if (runProgram("smbpasswd", {"-c", share->m_config, "-s", "-a", "root"}, nullptr,
                       "stowly\nstowly\n") != 0) {
            *whyNot = "smbpasswd failed";
            return nullptr;
        }
        QByteArray obscured;
        runProgram("rclone", {"obscure", "stowly"}, &obscured);
        writeText(state + "/rclone.conf", QString("[nas]\ntype = smb\nhost = 127.0.0.1\n"
                                                  "port = %1\nuser = root\npass = %2\n")
                                              .arg(share->m_port)
                                              .arg(QString::fromLatin1(obscured.trimmed())));
    } else {
        QFile::remove(state + "/host");
        QFile::remove(state + "/user");
        for (const QString& key : {state + "/host", state + "/user"})
            if (runProgram("ssh-keygen", {"-q", "-t", "ed25519", "-N", "", "-f", key}) != 0) {
                *whyNot = "ssh-keygen failed";
                return nullptr;
            }
        QFile::copy(state + "/user.pub", state + "/authorized_keys");
        share->m_config = state + "/sshd_config";
        writeText(share->m_config,
                  QString("Port %1\nListenAddress 127.0.0.1\nHostKey %2/host\n"
                          "AuthorizedKeysFile %2/authorized_keys\nPasswordAuthentication no\n"
                          "KbdInteractiveAuthentication no\nUsePAM no\n"
                          "PermitRootLogin prohibit-password\nStrictModes no\n"
                          "PidFile %2/sshd.pid\nSubsystem sftp internal-sftp\n")
                      .arg(share->m_port)
                      .arg(state));
        // sshd insists on its privilege separation folder.
        QDir().mkpath("/run/sshd");
    }
    if (!share->launchServer(whyNot) || !share->mount(whyNot))
        return nullptr;
    return share;
}

bool NetworkShare::launchServer(QString* whyNot) {
    m_server = std::make_unique<QProcess>();
    m_server->setStandardOutputFile(QProcess::nullDevice());
    m_server->setStandardErrorFile(m_folder + "/server/server.log", QIODevice::Append);
    if (m_kind == Kind::smb)
        m_server->start(programPath("smbd"),
                        {"-s", m_config, "-F", "--no-process-group", "-d", "0"});
    else
        m_server->start(programPath("sshd"), {"-f", m_config, "-D", "-e"});
    if (!m_server->waitForStarted(10000) || !waitUntil([this] { return listening(m_port); })) {
        *whyNot = "the test's file server did not start";
        return false;
    }
    return true;
}

bool NetworkShare::mount(QString* whyNot) {
    m_client = std::make_unique<QProcess>();
    m_client->setStandardOutputFile(QProcess::nullDevice());
    m_client->setStandardErrorFile(m_folder + "/server/client.log", QIODevice::Append);
    const QString state = m_folder + "/server";
    if (m_kind == Kind::smb) {
        // No cache of rclone's own (reads go to the server), short timeouts so a server that went
        // away fails calls within seconds, and short listing caches so that a test's change on
        // the server side shows.
        QStringList arguments{"mount",
                              "nas:" + shareName(),
                              m_mountPoint,
                              "--config",
                              state + "/rclone.conf",
                              "--vfs-cache-mode",
                              "off",
                              "--dir-cache-time",
                              "1s",
                              "--contimeout",
                              "5s",
                              "--timeout",
                              m_options.clientTimeout,
                              "--low-level-retries",
                              "1",
                              "--retries",
                              "1"};
        if (!m_options.bandwidthLimit.isEmpty())
            arguments << "--bwlimit" << m_options.bandwidthLimit;
        m_client->start(programPath("rclone"), arguments);
    } else {
        m_client->start(
            programPath("sshfs"),
            {"-f", "root@127.0.0.1:" + m_serverFolder, m_mountPoint, "-p", QString::number(m_port),
             "-o",
             "IdentityFile=" + state +
                 "/user,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null,BatchMode=yes,"
                 "ServerAliveInterval=2,ServerAliveCountMax=2,reconnect"});
    }
    if (!m_client->waitForStarted(10000) ||
        !waitUntil([this] { return isMounted(m_mountPoint); }, 30000)) {
        *whyNot = "the share could not be mounted";
        return false;
    }
    return true;
}

QList<int> NetworkShare::serverProcesses() const {
    // The server's first process names the configuration; those serving connections (sshd's)
    // are known only as its descendants.
    QList<int> found;
    QHash<int, int> parents;
    const QByteArray config = QFile::encodeName(m_config);
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        const int pid = entry.toInt();
        if (pid <= 0)
            continue;
        QFile cmdline("/proc/" + entry + "/cmdline");
        // sshd rewrites its command line into one string.
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(config))
            found << pid;
        QFile stat("/proc/" + entry + "/stat");
        if (stat.open(QIODevice::ReadOnly)) {
            // "pid (name) state ppid …", where the name may hold spaces.
            const QByteArray line = stat.readAll();
            parents.insert(pid, line.mid(line.lastIndexOf(')') + 2).split(' ').value(1).toInt());
        }
    }
    for (qsizetype i = 0; i < found.size(); ++i)
        for (auto it = parents.cbegin(); it != parents.cend(); ++it)
            if (it.value() == found[i] && !found.contains(it.key()))
                found << it.key();
    return found;
}

void NetworkShare::signalServer(int signal) const {
    for (const int pid : serverProcesses())
        ::kill(pid, signal);
}

bool NetworkShare::stopServer(QString* whyNot) {
    signalServer(SIGCONT);
    signalServer(SIGKILL);
    if (m_server)
        m_server->waitForFinished(10000);
    m_server.reset();
    if (!waitUntil([this] { return serverProcesses().isEmpty() && !listening(m_port); })) {
        *whyNot = "the test's file server did not stop";
        return false;
    }
    return true;
}

bool NetworkShare::startServer(QString* whyNot) {
    return launchServer(whyNot);
}

bool NetworkShare::remount(QString* whyNot) {
    if (isMounted(m_mountPoint))
        runProgram("fusermount3", {"-u", "-z", m_mountPoint});
    end(m_client);
    return mount(whyNot);
}

void NetworkShare::freezeServer() {
    signalServer(SIGSTOP);
}

void NetworkShare::thawServer() {
    signalServer(SIGCONT);
}

NetworkShare::~NetworkShare() {
    signalServer(SIGCONT);
    if (isMounted(m_mountPoint))
        runProgram("fusermount3", {"-u", "-z", m_mountPoint});
    end(m_client);
    signalServer(SIGKILL);
    end(m_server);
    if (isMounted(m_mountPoint))
        runProgram("umount", {"-l", m_mountPoint});
}

} // namespace stowly::test
