#pragma once

#include "copy/HistoryEntry.h"
#include "media/Clip.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>
#include <QTime>

#include <functional>
#include <optional>

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

// The clips' relative paths, in order.
QStringList relativePaths(const QList<Clip>& clips);
// The relative paths of the files below a folder, hidden ones included, sorted.
QStringList filesBelow(const QString& folder);

// A card file shot at noon UTC on the given day (mid-day in Berlin, where tests run).
Clip clipAt(const QString& relativePath, QDate day = QDate(2026, 10, 25),
            QTime time = QTime(12, 0));
// The history's record of a verified copy; the key ("identity|path|size|date") gives the
// source's relative path.
HistoryEntry copyRecord(const QString& sourceKey, const QString& destination = "/D/a.mp4",
                        qint64 size = 10, const QString& sha256 = QString(64, u'a'));

// Runs the event loop until the condition holds or the time is up; returns the condition.
// The first process of that name below `parent` (xvfb-run and shells stand between a test
// and the program it starts); 0 when there is none.
qint64 descendantNamed(qint64 parent, const QString& name);

bool spinUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

// True when this process may use loop devices and mount file systems.
bool canUseLoopDevices(QString* whyNot);

} // namespace stowly::test

namespace stowly::test {

// Makes a folder unwritable for this process for the lifetime of the object: chmod for an
// ordinary user, a read-only bind mount for root (whom permissions do not stop).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    // False when neither way works here; the test should skip.
    bool isActive() const { return m_active; }

private:
    QString m_path;
    bool m_active = false;
    bool m_mounted = false;
};

} // namespace stowly::test

namespace stowly::test {

// Runs work in a forked child that has given up root (it runs as "nobody"), so permission
// checks apply as they would to an ordinary user. Returns what work returned, or an empty
// optional when the child could not run or drop its rights. Paths the child reads must be
// reachable by everyone.
std::optional<QByteArray> runUnprivileged(const std::function<QByteArray()>& work);

} // namespace stowly::test
