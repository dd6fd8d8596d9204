#include "devices/VolumePaths.h"

#include <QDir>
#include <QReadWriteLock>

namespace stowly {
namespace {

struct Roots {
    QReadWriteLock lock;
    QStringList roots = VolumePaths::defaultMountRoots();
};

Roots& roots() {
    static Roots r;
    return r;
}

} // namespace

QStringList VolumePaths::defaultMountRoots() {
    return {QStringLiteral("/media/"), QStringLiteral("/run/media/")};
}

QStringList VolumePaths::mountRoots() {
    Roots& r = roots();
    QReadLocker lock(&r.lock);
    return r.roots;
}

void VolumePaths::setMountRoots(const QStringList& list) {
    QStringList cleaned;
    for (const QString& root : list)
        if (!root.isEmpty())
            cleaned.append(withSlash(root));
    Roots& r = roots();
    QWriteLocker lock(&r.lock);
    r.roots = cleaned;
}

bool VolumePaths::isUnderMountRoots(const QString& path) {
    for (const QString& root : mountRoots())
        if (path.startsWith(root))
            return true;
    return false;
}

QString VolumePaths::normalized(const QString& path) {
    QString p = path;
    if (p == u'~' || p.startsWith(QStringLiteral("~/")))
        p = QDir::homePath() + p.mid(1);
    p = QDir::cleanPath(p);
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    return p;
}

bool VolumePaths::isOnVolume(const QString& path, const QString& volumePath) {
    return withSlash(path).startsWith(withSlash(volumePath));
}

QString VolumePaths::withSlash(const QString& path) {
    return path.endsWith(u'/') ? path : path + u'/';
}

} // namespace stowly
