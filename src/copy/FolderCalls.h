#pragma once

#include <functional>

#include <sys/stat.h>
#include <sys/types.h>

namespace stowly {

// The operations the copier makes inside the destination folder, always relative to the one
// handle it opened on that folder. They are the system's own by default; tests replace single
// ones to refuse them the way some file systems do, or to race the copier, because fault
// injection by preloading cannot reach these calls. Each returns -1 with errno set on failure.
struct FolderCalls {
    std::function<int(int folder, const char* name, int flags, mode_t mode)> openAt;
    // Never follows a link.
    std::function<int(int folder, const char* name, struct stat* info)> statAt;
    // renameat2 within the folder; flags 0 is a plain (replacing) rename.
    std::function<int(int folder, const char* from, const char* to, unsigned int flags)> renameAt;
    std::function<int(int folder, const char* from, const char* to)> linkAt;
    std::function<int(int folder, const char* name)> unlinkAt;
    // flock on the folder's own handle, while a name is chosen in it (see NameClaim).
    std::function<int(int folder, int operation)> lock;

    static const FolderCalls& system();
};

} // namespace stowly
