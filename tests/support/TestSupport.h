#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <functional>

namespace stowly::test {

// A temporary folder removed at the end of the test.
class TempDir {
public:
    TempDir();
    const QString& path() const { return m_path; }
    // Absolute path of a name inside the folder.
    QString operator()(const QString& relative) const { return m_path + u'/' + relative; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Creates a file (and its folders) with the given bytes; returns its path.
QString writeFile(const QString& path, const QByteArray& content = {});
QByteArray readFile(const QString& path);
void setModificationTime(const QString& path, const QDateTime& time);

// Runs the event loop until the condition holds or the time is up; returns the condition.
bool spinUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

// True when this process may use loop devices and mount file systems.
bool canUseLoopDevices(QString* whyNot);

} // namespace stowly::test
