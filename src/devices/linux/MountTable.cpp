#include "devices/linux/MountTable.h"

#include "devices/VolumePaths.h"
#include "devices/linux/LinuxPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace stowly {
namespace {

bool hasOption(const QString& options, QStringView option) {
    for (const QStringView o : QStringView(options).split(u','))
        if (o == option)
            return true;
    return false;
}

} // namespace

bool MountEntry::isReadOnly() const {
    return hasOption(options, u"ro") || hasOption(superOptions, u"ro");
}

bool MountEntry::isHidden() const {
    static const QSet<QString> pseudo = {QStringLiteral("proc"),
                                         QStringLiteral("sysfs"),
                                         QStringLiteral("devtmpfs"),
                                         QStringLiteral("devpts"),
                                         QStringLiteral("cgroup"),
                                         QStringLiteral("cgroup2"),
                                         QStringLiteral("securityfs"),
                                         QStringLiteral("debugfs"),
                                         QStringLiteral("tracefs"),
                                         QStringLiteral("pstore"),
                                         QStringLiteral("bpf"),
                                         QStringLiteral("configfs"),
                                         QStringLiteral("fusectl"),
                                         QStringLiteral("mqueue"),
                                         QStringLiteral("hugetlbfs"),
                                         QStringLiteral("autofs"),
                                         QStringLiteral("binfmt_misc"),
                                         QStringLiteral("efivarfs"),
                                         QStringLiteral("rpc_pipefs"),
                                         QStringLiteral("nsfs"),
                                         QStringLiteral("selinuxfs"),
                                         QStringLiteral("ramfs"),
                                         QStringLiteral("fuse.gvfsd-fuse"),
                                         QStringLiteral("fuse.portal")};
    if (pseudo.contains(fsType))
        return true;
    for (const char* system : {"/proc", "/sys", "/dev", "/run"})
        if (VolumePaths::isOnVolume(mountPoint, QLatin1String(system)))
            return !VolumePaths::isOnVolume(mountPoint, QStringLiteral("/run/media"));
    return false;
}

bool MountEntry::isNetwork() const {
    static const QSet<QString> network = {
        QStringLiteral("nfs"),         QStringLiteral("nfs4"),
        QStringLiteral("cifs"),        QStringLiteral("smb3"),
        QStringLiteral("smbfs"),       QStringLiteral("ncpfs"),
        QStringLiteral("afs"),         QStringLiteral("ceph"),
        QStringLiteral("9p"),          QStringLiteral("glusterfs"),
        QStringLiteral("lustre"),      QStringLiteral("davfs"),
        QStringLiteral("fuse.sshfs"),  QStringLiteral("fuse.rclone"),
        QStringLiteral("fuse.davfs2"), QStringLiteral("fuse.glusterfs"),
        QStringLiteral("fuse.s3fs")};
    return network.contains(fsType);
}

QString MountTable::unescape(QByteArrayView field) {
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size()) {
            const char a = field[i + 1], b = field[i + 2], d = field[i + 3];
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && d >= '0' && d <= '7') {
                bytes.append(char(((a - '0') << 6) | ((b - '0') << 3) | (d - '0')));
                i += 3;
                continue;
            }
        }
        bytes.append(c);
    }
    return QFile::decodeName(bytes);
}

QList<MountEntry> MountTable::parse(const QByteArray& text) {
    QList<MountEntry> entries;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        // id parent major:minor root mount-point options [optional…] - type source super
        const qsizetype dash = fields.indexOf(QByteArray("-"));
        if (dash < 6 || dash + 2 >= fields.size())
            continue;
        bool idOk = false, parentOk = false;
        MountEntry e;
        e.id = fields[0].toInt(&idOk);
        e.parentId = fields[1].toInt(&parentOk);
        if (!idOk || !parentOk)
            continue;
        e.majorMinor = QString::fromLatin1(fields[2]);
        e.root = unescape(fields[3]);
        e.mountPoint = unescape(fields[4]);
        e.options = QString::fromLatin1(fields[5]);
        e.fsType = unescape(fields[dash + 1]);
        e.source = dash + 2 < fields.size() ? unescape(fields[dash + 2]) : QString();
        e.superOptions = dash + 3 < fields.size() ? unescape(fields[dash + 3]) : QString();
        entries.append(e);
    }
    return entries;
}

QString MountTable::standardPath() {
    return LinuxPaths{}.mountInfo;
}

std::optional<QList<MountEntry>> MountTable::read(const QString& mountInfoPath) {
    QFile file(mountInfoPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The proc file has no size: read until the end, not by its reported length.
    return parse(file.readAll());
}

std::optional<MountEntry> MountTable::at(const QList<MountEntry>& entries, const QString& path) {
    const QString wanted = VolumePaths::normalized(path);
    for (auto it = entries.crbegin(); it != entries.crend(); ++it)
        if (it->mountPoint == wanted)
            return *it;
    return std::nullopt;
}

std::optional<MountEntry> MountTable::holding(const QList<MountEntry>& entries,
                                              const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString wanted = VolumePaths::normalized(canonical.isEmpty() ? path : canonical);
    std::optional<MountEntry> best;
    for (const MountEntry& e : entries)
        if (VolumePaths::isOnVolume(wanted, e.mountPoint) &&
            (!best || e.mountPoint.size() >= best->mountPoint.size()))
            best = e;
    return best;
}

std::optional<MountEntry> MountTable::readAt(const QString& mountInfoPath, const QString& path) {
    const std::optional<QList<MountEntry>> table = read(mountInfoPath);
    return table ? at(*table, path) : std::nullopt;
}

std::optional<MountEntry> MountTable::readHolding(const QString& mountInfoPath,
                                                  const QString& path) {
    const std::optional<QList<MountEntry>> table = read(mountInfoPath);
    return table ? holding(*table, path) : std::nullopt;
}

} // namespace stowly
