#include "history/FileState.h"

#include "base/FileNames.h"

#include <sys/stat.h>

namespace stowly {

std::optional<FileState> FileState::of(const QString& path) {
    struct stat info;
    if (::stat(fileNames::encode(path).constData(), &info) != 0)
        return std::nullopt;
    return FileState{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                     qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

} // namespace stowly
