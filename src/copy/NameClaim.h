#pragma once

#include "copy/FileDescriptor.h"
#include "copy/FolderCalls.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace stowly {

// A copy's file name, chosen free in its folders and held until its partial files are made
// there, so that runs writing into one folder at once never choose the same name. Within this
// process a held name counts as taken. Across processes each folder is locked meanwhile: flock
// on the folder itself, which leaves no lock file among the user's footage, and which Linux
// keeps for folders on any file system, network and FUSE ones included (there for this computer
// only, which is where the other runs are). The folders are locked in one order, by device and
// inode, so two runs sharing several folders cannot wait on each other. Where a folder refuses
// the lock, the in-process rule still holds, and the partial file's exclusive create fails
// rather than overwrites.
class NameClaim {
public:
    // The name freeName gives for `fileName` in `folders`, passing over names other runs of this
    // process hold.
    NameClaim(const QStringList& folders, const QString& fileName,
              const FolderCalls& calls = FolderCalls::system());
    // The partial files are made, or will not be: the name is let go, and the folders unlocked.
    ~NameClaim();
    NameClaim(const NameClaim&) = delete;
    NameClaim& operator=(const NameClaim&) = delete;

    const QString& name() const { return m_name; }

private:
    std::vector<FileDescriptor> m_locks;
    // The name in each folder, as the process-wide set of held names has it.
    QStringList m_held;
    QString m_name;
};

} // namespace stowly
