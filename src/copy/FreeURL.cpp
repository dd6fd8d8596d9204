#include "copy/FreeURL.h"

#include "base/FileNames.h"

#include <sys/stat.h>

namespace stowly {
namespace {

bool existsAt(const QString& path) {
    struct stat info;
    return ::lstat(fileNames::encode(path).constData(), &info) == 0;
}

bool isTaken(const QString& path) {
    return existsAt(path) || existsAt(path + QStringLiteral(".stowly-partial"));
}

} // namespace

QString freeURL(const QString& path) {
    if (!isTaken(path))
        return path;
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString folder = path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot >= 0 ? name.left(dot) : name;
    const QString ext = dot >= 0 ? name.mid(dot) : QString();
    for (qint64 n = 2;; ++n) {
        const QString candidate = folder + stem + u'_' + QString::number(n) + ext;
        if (!isTaken(candidate))
            return candidate;
    }
}

} // namespace stowly
