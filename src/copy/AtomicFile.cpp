#include "copy/AtomicFile.h"

#include "copy/FileDescriptor.h"

#include "base/FileNames.h"
#include "copy/SystemError.h"

#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

constexpr qsizetype bufferSize = 1 << 20;

QString folderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

} // namespace

std::optional<QString> AtomicFile::write(const QString& path, const QByteArray& data) {
    return write(path, [&](const Sink& sink) { return sink(data); });
}

std::optional<QString> AtomicFile::write(const QString& path, const Producer& producer) {
    const QString folder = folderOf(path);
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary =
            fileNames::encode(folder + QStringLiteral("/.") + name + QStringLiteral(".tmp-") +
                              QString::number(QRandomGenerator::global()->generate(), 36));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST)
            return systemErrorText(errno);
    }
    if (fd < 0)
        return systemErrorText(EEXIST);

    int error = 0;
    QByteArray buffer;
    buffer.reserve(bufferSize);
    const Sink sink = [&](QByteArrayView bytes) {
        if (error)
            return false;
        if (buffer.size() + bytes.size() > bufferSize) {
            if (!writeAll(fd, buffer.constData(), buffer.size(), &error))
                return false;
            buffer.clear();
        }
        if (bytes.size() >= bufferSize)
            return writeAll(fd, bytes.data(), bytes.size(), &error);
        buffer.append(bytes);
        return true;
    };
    const auto fail = [&](int code) {
        ::close(fd);
        ::unlink(temporary.constData());
        return std::optional<QString>(systemErrorText(code));
    };

    const bool produced = producer(sink);
    if (error)
        return fail(error);
    if (!produced)
        return fail(EIO);
    if (!writeAll(fd, buffer.constData(), buffer.size(), &error))
        return fail(error);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return systemErrorText(code);
    }
    if (::rename(temporary.constData(), fileNames::encode(path).constData()) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return systemErrorText(code);
    }
    const int folderFd =
        ::open(fileNames::encode(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        const int synced = ::fsync(folderFd);
        const int code = errno;
        ::close(folderFd);
        // The new content is in place; a folder that cannot be flushed is still reported,
        // because the rename may not survive a power loss.
        if (synced != 0 && code != EINVAL)
            return systemErrorText(code);
    }
    return std::nullopt;
}

std::optional<QString> AtomicFile::moveNoReplace(const QString& from, const QString& to) {
    const QByteArray source = fileNames::encode(from);
    const QByteArray target = fileNames::encode(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return std::nullopt;
    if (errno != EINVAL && errno != ENOSYS)
        return systemErrorText(errno);
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return std::nullopt;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        return systemErrorText(errno);
    struct stat info;
    if (::lstat(target.constData(), &info) == 0)
        return systemErrorText(EEXIST);
    if (::rename(source.constData(), target.constData()) != 0)
        return systemErrorText(errno);
    return std::nullopt;
}

std::optional<QString> AtomicFile::makeFolder(const QString& path) {
    const QByteArray bytes = fileNames::encode(path);
    for (qsizetype i = 1; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '/')
            continue;
        const QByteArray prefix = bytes.left(i);
        if (::mkdir(prefix.constData(), 0755) == 0 || errno == EEXIST)
            continue;
        return systemErrorText(errno);
    }
    struct stat info;
    if (::stat(bytes.constData(), &info) != 0)
        return systemErrorText(errno);
    if (!S_ISDIR(info.st_mode))
        return systemErrorText(ENOTDIR);
    return std::nullopt;
}

} // namespace stowly
