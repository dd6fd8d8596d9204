#include "devices/linux/LsblkListing.h"

#include "devices/VolumeInfo.h"
#include "devices/VolumePaths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace stowly {
namespace {

std::optional<QString> text(const QJsonObject& o, const char* key) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isString() || v.toString().isEmpty())
        return std::nullopt;
    return v.toString();
}

// Newer lsblk writes JSON booleans, older ones "0"/"1".
bool flag(const QJsonObject& o, const char* key) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isBool())
        return v.toBool();
    if (v.isString())
        return v.toString() == u"1" || v.toString() == u"true";
    if (v.isDouble())
        return v.toDouble() != 0;
    return false;
}

std::optional<qint64> number(const QJsonObject& o, const char* key) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isDouble())
        return qint64(v.toDouble());
    bool ok = false;
    const qint64 n = v.toString().toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

BlockNode readNode(const QJsonObject& o) {
    BlockNode n;
    n.kernelName = text(o, "kname").value_or(text(o, "name").value_or(QString()));
    n.name = text(o, "name").value_or(n.kernelName);
    n.type = text(o, "type").value_or(QString());
    n.size = number(o, "size");
    n.removable = flag(o, "rm");
    n.hotplug = flag(o, "hotplug");
    n.transport = text(o, "tran");
    QJsonArray points = o.value(QLatin1String("mountpoints")).toArray();
    if (points.isEmpty() && o.value(QLatin1String("mountpoint")).isString())
        points.append(o.value(QLatin1String("mountpoint")));
    for (const QJsonValue& p : points) {
        if (!p.isString() || p.toString().isEmpty())
            continue;
        if (p.toString() == u"[SWAP]")
            n.isSwap = true;
        else if (!n.mountPoints.contains(p.toString()))
            n.mountPoints.append(p.toString());
    }
    n.label = text(o, "label");
    n.fsType = text(o, "fstype");
    n.fsVersion = text(o, "fsver");
    n.uuid = text(o, "uuid");
    return n;
}

void walk(const QJsonArray& devices, const QString& parent,
          const std::function<void(const BlockNode&, const QString&)>& add) {
    for (const QJsonValue& value : devices) {
        const QJsonObject o = value.toObject();
        const BlockNode node = readNode(o);
        if (node.kernelName.isEmpty())
            continue;
        add(node, parent.isEmpty() ? text(o, "pkname").value_or(QString()) : parent);
        walk(o.value(QLatin1String("children")).toArray(), node.kernelName, add);
    }
}

// Mount points whose device is part of the running system.
bool isSystemMountPoint(const QString& path) {
    static const QSet<QString> system = {
        QStringLiteral("/"),     QStringLiteral("/boot"), QStringLiteral("/boot/efi"),
        QStringLiteral("/efi"),  QStringLiteral("/home"), QStringLiteral("/usr"),
        QStringLiteral("/var"),  QStringLiteral("/opt"),  QStringLiteral("/srv"),
        QStringLiteral("/root"), QStringLiteral("/tmp")};
    return system.contains(VolumePaths::normalized(path));
}

bool isExternalTransport(const std::optional<QString>& t) {
    return t && (*t == u"usb" || *t == u"ieee1394" || *t == u"thunderbolt");
}

bool isInternalTransport(const std::optional<QString>& t) {
    return t && (*t == u"sata" || *t == u"ata" || *t == u"pata" || *t == u"nvme" || *t == u"sas" ||
                 *t == u"spi" || *t == u"fc" || *t == u"virtio");
}

} // namespace

QStringList LsblkListing::arguments() {
    return {QStringLiteral("--json"), QStringLiteral("--bytes"), QStringLiteral("--output"),
            QStringLiteral("KNAME,NAME,PKNAME,TYPE,SIZE,RM,HOTPLUG,TRAN,MOUNTPOINTS,LABEL,FSTYPE,"
                           "FSVER,UUID")};
}

std::optional<LsblkListing> LsblkListing::parse(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonValue devices = document.object().value(QLatin1String("blockdevices"));
    if (!devices.isArray())
        return std::nullopt;
    LsblkListing listing;
    walk(devices.toArray(), QString(),
         [&](const BlockNode& node, const QString& parent) { listing.add(node, parent); });
    // A flat listing may name a parent before listing it: link children once all are known.
    for (const QString& k : listing.m_order)
        for (const QString& parent : QStringList(listing.m_nodes[k].parents)) {
            auto p = listing.m_nodes.find(parent);
            if (p != listing.m_nodes.end() && !p->children.contains(k))
                p->children.append(k);
        }
    return listing;
}

void LsblkListing::add(const BlockNode& node, const QString& parent) {
    // A device on several parents (a volume spanning disks) is listed under each of them.
    auto it = m_nodes.find(node.kernelName);
    if (it == m_nodes.end()) {
        it = m_nodes.insert(node.kernelName, node);
        it->parents.clear();
        it->children.clear();
        m_order.append(node.kernelName);
    }
    if (!parent.isEmpty() && parent != node.kernelName) {
        if (!it->parents.contains(parent))
            it->parents.append(parent);
    }
}

const BlockNode* LsblkListing::node(const QString& kernelName) const {
    const auto it = m_nodes.constFind(kernelName);
    return it == m_nodes.cend() ? nullptr : &*it;
}

const BlockNode* LsblkListing::device(const QString& nameIn) const {
    QString name = nameIn;
    if (name.startsWith(QStringLiteral("/dev/")))
        name = name.mid(5);
    if (name.startsWith(QStringLiteral("mapper/")))
        name = name.mid(7);
    if (const BlockNode* n = node(name))
        return n;
    for (const QString& k : m_order)
        if (node(k)->name == name)
            return node(k);
    return nullptr;
}

const BlockNode* LsblkListing::mountedAt(const QString& path) const {
    const QString wanted = VolumePaths::normalized(path);
    for (const QString& k : m_order)
        for (const QString& p : node(k)->mountPoints)
            if (VolumePaths::normalized(p) == wanted)
                return node(k);
    return nullptr;
}

QStringList LsblkListing::wholeDisks(const QString& kernelName) const {
    QStringList disks;
    QStringList pending{kernelName};
    QSet<QString> seen;
    while (!pending.isEmpty()) {
        const QString k = pending.takeFirst();
        if (seen.contains(k))
            continue;
        seen.insert(k);
        const BlockNode* n = node(k);
        if (!n)
            continue;
        if (n->parents.isEmpty()) {
            if (!disks.contains(k))
                disks.append(k);
        } else {
            pending.append(n->parents);
        }
    }
    return disks;
}

int LsblkListing::depth(const QString& kernelName, int guard) const {
    const BlockNode* n = node(kernelName);
    if (!n || n->parents.isEmpty() || guard > 16)
        return 0;
    int deepest = 0;
    for (const QString& p : n->parents)
        deepest = std::max(deepest, depth(p, guard + 1));
    return deepest + 1;
}

QList<const BlockNode*> LsblkListing::devicesOn(const QStringList& disks) const {
    QList<const BlockNode*> result;
    for (const QString& k : m_order) {
        const QStringList own = wholeDisks(k);
        if (std::any_of(own.cbegin(), own.cend(),
                        [&](const QString& d) { return disks.contains(d); }))
            result.append(node(k));
    }
    std::stable_sort(result.begin(), result.end(), [&](const BlockNode* a, const BlockNode* b) {
        return depth(a->kernelName) > depth(b->kernelName);
    });
    return result;
}

bool LsblkListing::holdsSystem(const QStringList& disks) const {
    for (const BlockNode* n : devicesOn(disks)) {
        if (n->isSwap)
            return true;
        for (const QString& p : n->mountPoints)
            if (isSystemMountPoint(p))
                return true;
    }
    return false;
}

std::optional<QString> LsblkListing::fileSystemName(const std::optional<QString>& type,
                                                    const std::optional<QString>& version) {
    if (!type)
        return std::nullopt;
    if (*type == u"vfat" || *type == u"msdos") {
        // blkid says "FAT12", "FAT16" or "FAT32"; without it the variant is unknown.
        if (version && version->startsWith(QStringLiteral("FAT"), Qt::CaseInsensitive))
            return version->toUpper();
        return std::nullopt;
    }
    const std::optional<QString> display = VolumeInfo::formatName(type, std::nullopt);
    if (display && *display != *type)
        return display;
    return std::nullopt;
}

DiskFacts LsblkListing::facts(const QString& kernelName) const {
    DiskFacts f;
    const BlockNode* n = node(kernelName);
    if (!n)
        return f;
    f.deviceIdentifier = n->kernelName;
    f.deviceKind = n->type;
    f.wholeDisks = wholeDisks(n->kernelName);
    if (!f.wholeDisks.isEmpty())
        f.parentWholeDisk = f.wholeDisks.first();
    f.mountPoints = n->mountPoints;
    if (!f.mountPoints.isEmpty())
        f.mountPoint = f.mountPoints.first();
    f.volumeName = n->label;
    f.filesystemType = n->fsType;
    f.filesystemName = fileSystemName(n->fsType, n->fsVersion);
    f.volumeUUID = n->uuid;
    f.size = n->size;
    f.stackedDevices = n->children;

    // Every disk beneath must say so: a volume spanning a removable and a fixed disk is
    // fixed.
    bool removable = !f.wholeDisks.isEmpty(), ejectable = removable, external = removable;
    bool internal = false;
    for (const QString& d : f.wholeDisks) {
        const BlockNode* disk = node(d);
        if (!disk)
            continue;
        if (disk->type == u"loop") {
            // A disk image: detached like an external disk, nothing to take out.
            removable = false;
            continue;
        }
        removable = removable && disk->removable;
        ejectable = ejectable && (disk->removable || disk->hotplug);
        external =
            external && (disk->removable || disk->hotplug || isExternalTransport(disk->transport));
        internal = internal ||
                   (!disk->removable && !disk->hotplug && isInternalTransport(disk->transport));
    }
    f.isRemovable = removable;
    f.isEjectable = ejectable;
    f.isRemovableOrExternal = external;
    f.isInternal = internal;
    f.isOSInternal = holdsSystem(f.wholeDisks);
    return f;
}

} // namespace stowly
