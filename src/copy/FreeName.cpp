#include "copy/FreeName.h"

#include "base/FileNames.h"

#include <sys/stat.h>

namespace stowly {
namespace {

bool existsAt(const QString& path) {
    struct stat info;
    return ::lstat(fileNames::encode(path).constData(), &info) == 0;
}

// A copy's name goes from held (NameClaim) to its partial file to its final name; looked at in
// that order, a name another run is taking is seen at one of its steps whatever it does meanwhile.
bool isTaken(const QString& path) {
    return existsAt(path + QStringLiteral(".stowly-partial")) || existsAt(path);
}

} // namespace

QString freeName(const QStringList& folders, const QString& fileName,
                 const std::function<bool(const QString& name)>& alsoTaken) {
    const auto isFree = [&](const QString& name) {
        if (alsoTaken && alsoTaken(name))
            return false;
        for (const QString& folder : folders)
            if (isTaken(folder.isEmpty() || folder.endsWith(u'/') ? folder + name
                                                                  : folder + u'/' + name))
                return false;
        return true;
    };
    if (isFree(fileName))
        return fileName;
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString stem = dot >= 0 ? fileName.left(dot) : fileName;
    const QString ext = dot >= 0 ? fileName.mid(dot) : QString();
    for (qint64 n = 2;; ++n) {
        const QString candidate = stem + u'_' + QString::number(n) + ext;
        if (isFree(candidate))
            return candidate;
    }
}

QString freePath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return path.left(slash + 1) + freeName({path.left(slash + 1)}, path.mid(slash + 1));
}

} // namespace stowly
