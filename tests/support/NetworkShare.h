#pragma once

#include <QProcess>
#include <QString>

#include <memory>

namespace stowly::test {

// A real file server of the test's own on a loopback port, with its own configuration, keys and
// share folder, mounted through a FUSE client: Samba's smbd reached through rclone's smb
// remote, or an sshd's SFTP reached through sshfs. (The kernel here has no cifs or nfs client.)
// When the object goes, the mount comes down and every process it started ends, whatever the
// test did meanwhile.
class NetworkShare {
public:
    enum class Kind { smb, sftp };
    struct Options {
        // rclone's --bwlimit, e.g. "20M"; empty for none. SMB only.
        QString bandwidthLimit;
        // How long rclone waits on a server that does not answer: short, so that a test's
        // stopped server fails calls soon; a long copy on a busy machine needs more. SMB only.
        QString clientTimeout = QStringLiteral("10s");
    };

    // Nothing, with the reason in `whyNot`, where this machine lacks a server or client.
    static std::unique_ptr<NetworkShare> start(Kind kind, const QString& folder, QString* whyNot);
    static std::unique_ptr<NetworkShare> start(Kind kind, const QString& folder, QString* whyNot,
                                               const Options& options);
    ~NetworkShare();
    NetworkShare(const NetworkShare&) = delete;
    NetworkShare& operator=(const NetworkShare&) = delete;

    // Where the client mounted the share.
    const QString& mountPoint() const { return m_mountPoint; }
    // The shared folder as the server keeps it on its own disk.
    const QString& serverFolder() const { return m_serverFolder; }
    static QString shareName() { return QStringLiteral("footage"); }
    int port() const { return m_port; }

    // The server and every connection it serves end at once; the mount stays.
    bool stopServer(QString* whyNot);
    // The server again, on the same port, for a client that reconnects.
    bool startServer(QString* whyNot);
    // The client mounts the share afresh, as after a reconnection: rclone's view of folders it
    // failed to make while the server was away stays wrong until then.
    bool remount(QString* whyNot);
    // The server stops answering without closing anything (SIGSTOP), and answers again.
    void freezeServer();
    void thawServer();

private:
    NetworkShare(Kind kind, const QString& folder, const Options& options);
    bool launchServer(QString* whyNot);
    bool mount(QString* whyNot);
    // The server's processes: smbd forks one per connection.
    QList<int> serverProcesses() const;
    void signalServer(int signal) const;

    Kind m_kind;
    QString m_folder;
    Options m_options;
    QString m_serverFolder;
    QString m_mountPoint;
    QString m_config;
    int m_port = 0;
    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_client;
};

} // namespace stowly::test
