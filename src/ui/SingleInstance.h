#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace stowly {

// One Stowly per user session. The first launch listens on a local socket; a later launch
// finds it, asks it to show its window and ends without making a model of its own.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket path; the default is per user in the session's runtime folder.
    explicit SingleInstance(QString socketPath = defaultSocketPath(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the one instance; false when another one was told to show
    // itself (or could not be reached and still holds the place).
    bool claim();

    static QString defaultSocketPath();

Q_SIGNALS:
    // A later launch wants the window in front.
    void activationRequested();

private:
    bool tellRunningInstance() const;

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

} // namespace stowly
