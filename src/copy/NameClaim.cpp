#include "copy/NameClaim.h"

#include "base/FileNames.h"
#include "copy/FreeName.h"

#include <QSet>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <tuple>

namespace stowly {
namespace {

std::mutex heldMutex;
// "<device>:<inode>/<name>" of every name a run of this process holds.
QSet<QString> heldNames;

// A folder as the file system knows it, so that two spellings of one folder (a link, a bind
// mount, a trailing slash) are one folder.
struct Folder {
    dev_t device = 0;
    ino_t inode = 0;
    FileDescriptor handle;
    QString key;
};

} // namespace

NameClaim::NameClaim(const QStringList& folders, const QString& fileName,
                     const FolderCalls& calls) {
    std::vector<Folder> opened;
    for (const QString& path : folders) {
        Folder folder;
        // A folder left unlocked lets another run take the name under this one's feet; an
        // open that failed once (a disk that stumbled) is tried again.
        for (int attempt = 0; attempt < 3 && !folder.handle.isOpen(); ++attempt)
            folder.handle.reset(
                ::open(fileNames::encode(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        struct stat info;
        if (folder.handle.isOpen() && ::fstat(folder.handle.get(), &info) == 0) {
            folder.device = info.st_dev;
            folder.inode = info.st_ino;
            folder.key = QString::number(info.st_dev) + u':' + QString::number(info.st_ino);
        } else {
            folder.handle.reset();
            folder.key = path;
        }
        opened.push_back(std::move(folder));
    }
    std::sort(opened.begin(), opened.end(), [](const Folder& a, const Folder& b) {
        return std::tie(a.device, a.inode, a.key) < std::tie(b.device, b.inode, b.key);
    });
    QStringList keys;
    for (Folder& folder : opened) {
        if (keys.contains(folder.key))
            continue; // locked once: a second lock of the same folder would wait on the first
        keys << folder.key;
        if (!folder.handle.isOpen())
            continue;
        int result;
        do
            result = calls.lock(folder.handle.get(), LOCK_EX);
        while (result != 0 && errno == EINTR);
        if (result == 0)
            m_locks.push_back(std::move(folder.handle));
    }

    const std::lock_guard lock(heldMutex);
    m_name = freeName(folders, fileName, [&keys](const QString& name) {
        return std::any_of(keys.cbegin(), keys.cend(), [&](const QString& key) {
            return heldNames.contains(key + u'/' + name);
        });
    });
    for (const QString& key : keys) {
        m_held << key + u'/' + m_name;
        heldNames.insert(m_held.last());
    }
}

NameClaim::~NameClaim() {
    {
        const std::lock_guard lock(heldMutex);
        for (const QString& held : m_held)
            heldNames.remove(held);
    }
    // Closing the handles lets go of the locks.
    m_locks.clear();
}

} // namespace stowly
