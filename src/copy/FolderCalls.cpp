#include "copy/FolderCalls.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <unistd.h>

namespace stowly {

const FolderCalls& FolderCalls::system() {
    static const FolderCalls calls{
        [](int folder, const char* name, int flags, mode_t mode) {
            return ::openat(folder, name, flags, mode);
        },
        [](int folder, const char* name, struct stat* info) {
            return ::fstatat(folder, name, info, AT_SYMLINK_NOFOLLOW);
        },
        [](int folder, const char* from, const char* to, unsigned int flags) {
            return ::renameat2(folder, from, folder, to, flags);
        },
        [](int folder, const char* from, const char* to) {
            return ::linkat(folder, from, folder, to, 0);
        },
        [](int folder, const char* name) { return ::unlinkat(folder, name, 0); },
        [](int folder, int operation) { return ::flock(folder, operation); },
    };
    return calls;
}

} // namespace stowly
