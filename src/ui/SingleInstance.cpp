#include "ui/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

namespace stowly {
namespace {

const QByteArray showRequest = QByteArrayLiteral("show\n");
constexpr int connectTimeoutMs = 1000;

} // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), m_path(std::move(socketPath)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultSocketPath() {
    // The runtime folder is the session's own; without one the shared temporary folder is
    // told apart by the user id.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/stowly-%1.socket").arg(::getuid());
}

bool SingleInstance::tellRunningInstance() const {
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    socket.write(showRequest);
    socket.waitForBytesWritten(connectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::claim() {
    if (m_server)
        return true;
    if (tellRunningInstance())
        return false;
    // Two launches at the same moment: the lock lets one of them clear a stale socket and
    // listen while the other waits and then finds it.
    m_lock = std::make_unique<QLockFile>(m_path + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    // Held for the life of the process; a crashed holder's lock counts as stale.
    if (!m_lock->tryLock(3 * connectTimeoutMs))
        return false;
    if (tellRunningInstance()) {
        m_lock.reset();
        return false;
    }
    QLocalServer::removeServer(m_path);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_path)) {
        // Nothing to talk to and nowhere to listen: run anyway rather than not at all.
        delete m_server;
        m_server = nullptr;
        return true;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(showRequest.trimmed()))
                    Q_EMIT activationRequested();
            });
        }
    });
    return true;
}

} // namespace stowly
