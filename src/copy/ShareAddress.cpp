#include "copy/ShareAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>

namespace stowly {
namespace {

// Mount table fields escape spaces, tabs, line breaks and backslashes as octal.
QString unescaped(const QByteArray& field) {
    const auto octal = [](char c) { return c >= '0' && c <= '7'; };
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octal(field[i + 1]) &&
            octal(field[i + 2]) && octal(field[i + 3])) {
            out +=
                char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return QFile::decodeName(out);
}

bool isUnder(const QString& path, const QString& mountPoint) {
    return path == mountPoint || mountPoint == u"/" ||
           (path.startsWith(mountPoint) && path.at(mountPoint.size()) == u'/');
}

QString lastComponent(QString path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    const QString last = path.section(u'/', -1);
    return last.isEmpty() ? path : last;
}

} // namespace

std::optional<ShareAddress> ShareAddress::of(const QString& folder) {
    // Found by the folder's path, not by asking the folder: a share that stopped answering would
    // hold the question up.
    const QString path = QDir::cleanPath(
        QDir::isAbsolutePath(folder) ? folder : QDir::current().absoluteFilePath(folder));
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString best;
    std::optional<ShareAddress> found;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 5 || dash < 0 || dash + 2 >= fields.size())
            continue;
        const QString mountPoint = unescaped(fields[4]);
        if (!isUnder(path, mountPoint) || mountPoint.size() < best.size())
            continue;
        best = mountPoint;
        found =
            fromMount(QString::fromUtf8(fields[dash + 1]), unescaped(fields[dash + 2]), mountPoint);
    }
    return found;
}

std::optional<ShareAddress> ShareAddress::fromMount(const QString& fsType, const QString& source,
                                                    const QString& mountPoint) {
    if (fsType == u"cifs" || fsType == u"smb3" || fsType == u"smbfs") {
        // //server/share/folder
        const QStringList parts = source.split(u'/', Qt::SkipEmptyParts);
        if (parts.size() >= 2)
            return ShareAddress{parts[0], parts[1], mountPoint};
        return ShareAddress{source, lastComponent(mountPoint), mountPoint};
    }
    const bool remoteAndPath = fsType.startsWith(u"nfs") || fsType == u"fuse.sshfs" ||
                               fsType == u"fuse.rclone" || fsType == u"fuse.curlftpfs";
    if (remoteAndPath) {
        // [user@]server:/path, or rclone's remote:path
        const qsizetype colon = source.indexOf(u':');
        QString server = colon < 0 ? source : source.left(colon);
        server = server.section(u'@', -1);
        QString rest = colon < 0 ? QString() : source.mid(colon + 1);
        QString share = fsType == u"fuse.rclone"
                            ? rest.section(u'/', 0, 0, QString::SectionSkipEmpty)
                            : lastComponent(rest);
        if (share.isEmpty() || share == u"/")
            share = lastComponent(mountPoint);
        return ShareAddress{server, share, mountPoint};
    }
    if (fsType == u"fuse.smbnetfs" || fsType == u"fuse.gvfsd-fuse" || fsType == u"9p")
        return ShareAddress{source, lastComponent(mountPoint), mountPoint};
    return std::nullopt;
}

bool ShareAddress::lostConnection(int error) {
    switch (error) {
    case EIO:
    case ENOTCONN:
    case ETIMEDOUT:
    case ECONNRESET:
    case ECONNABORTED:
    case ECONNREFUSED:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ENETRESET:
    case ESHUTDOWN:
        return true;
    default:
        return false;
    }
}

QString ShareAddress::stoppedAnswering() const {
    return QCoreApplication::translate(
               "Offloader",
               "The share “%1” on %2 stopped answering. What was being copied there is not "
               "recorded; offload the card again once the share is back.")
        .arg(share, server);
}

} // namespace stowly
