#include "devices/linux/UdisksObjects.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QFileInfo>

namespace stowly {
namespace {

// udisks2 sends paths as NUL-terminated bytes.
QString bytesText(const QByteArray& bytes) {
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLocal8Bit(end < 0 ? bytes : bytes.left(end));
}

QString text(const QVariantMap& properties, const char* key) {
    const QVariant v = properties.value(QString::fromLatin1(key));
    if (v.metaType() == QMetaType::fromType<QByteArray>())
        return bytesText(v.toByteArray());
    if (v.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return v.value<QDBusObjectPath>().path();
    return v.toString();
}

QString objectPath(const QVariantMap& properties, const char* key) {
    const QString path = text(properties, key);
    return path.isEmpty() ? QStringLiteral("/") : path;
}

bool flag(const QVariantMap& properties, const char* key) {
    return properties.value(QString::fromLatin1(key)).toBool();
}

// A list of byte strings ("aay"), as it arrives over D-Bus or as a test builds it.
QStringList byteTexts(const QVariant& value) {
    QStringList texts;
    if (value.metaType() == QMetaType::fromType<QDBusArgument>()) {
        const QDBusArgument argument = value.value<QDBusArgument>();
        argument.beginArray();
        while (!argument.atEnd()) {
            QByteArray bytes;
            argument >> bytes;
            texts.append(bytesText(bytes));
        }
        argument.endArray();
    } else {
        for (const QByteArray& bytes : value.value<QByteArrayList>())
            texts.append(bytesText(bytes));
    }
    return texts;
}

bool isExternalBus(const QString& bus) {
    return bus == u"usb" || bus == u"sdio" || bus == u"ieee1394";
}

} // namespace

UdisksBlock UdisksObjects::block(const QString& path, const Interfaces& interfaces) {
    UdisksBlock b;
    b.objectPath = path;
    const QVariantMap block = interfaces.value(QString::fromLatin1(blockInterface));
    b.device = text(block, "Device");
    b.deviceNumber = block.value(QStringLiteral("DeviceNumber")).toULongLong();
    b.drive = objectPath(block, "Drive");
    b.cryptoBackingDevice = objectPath(block, "CryptoBackingDevice");
    b.hintSystem = flag(block, "HintSystem");
    b.hintIgnore = flag(block, "HintIgnore");
    b.hintAuto = flag(block, "HintAuto");
    b.readOnly = flag(block, "ReadOnly");
    b.size = block.value(QStringLiteral("Size")).toLongLong();
    b.idUsage = text(block, "IdUsage");
    b.idType = text(block, "IdType");
    b.idVersion = text(block, "IdVersion");
    b.idLabel = text(block, "IdLabel");
    b.idUUID = text(block, "IdUUID");
    const auto fileSystem = interfaces.constFind(QString::fromLatin1(fileSystemInterface));
    b.hasFileSystem = fileSystem != interfaces.cend();
    if (b.hasFileSystem)
        b.mountPoints = byteTexts(fileSystem->value(QStringLiteral("MountPoints")));
    const auto loop = interfaces.constFind(QString::fromLatin1(loopInterface));
    b.isLoop = loop != interfaces.cend();
    if (b.isLoop && loop->contains(QStringLiteral("SetupByUID")))
        b.loopSetupBy = loop->value(QStringLiteral("SetupByUID")).toUInt();
    const auto partition = interfaces.constFind(QString::fromLatin1(partitionInterface));
    b.isPartition = partition != interfaces.cend();
    if (b.isPartition)
        b.partitionTable = objectPath(*partition, "Table");
    return b;
}

UdisksObjects UdisksObjects::from(const Managed& managed) {
    UdisksObjects objects;
    for (auto it = managed.cbegin(); it != managed.cend(); ++it) {
        if (it->contains(QString::fromLatin1(blockInterface)))
            objects.m_blocks.append(block(it.key(), *it));
        const auto drive = it->constFind(QString::fromLatin1(driveInterface));
        if (drive != it->cend())
            objects.m_drives.append({it.key(), flag(*drive, "Removable"),
                                     flag(*drive, "MediaRemovable"), flag(*drive, "Ejectable"),
                                     flag(*drive, "CanPowerOff"), text(*drive, "ConnectionBus")});
    }
    return objects;
}

const UdisksBlock* UdisksObjects::blockForDevice(const QString& device) const {
    const QString canonical = QFileInfo(device).canonicalFilePath();
    for (const UdisksBlock& b : m_blocks)
        if (b.device == device || (!canonical.isEmpty() && b.device == canonical))
            return &b;
    return nullptr;
}

const UdisksBlock* UdisksObjects::blockMountedAt(const QString& mountPoint) const {
    for (const UdisksBlock& b : m_blocks)
        if (b.mountPoints.contains(mountPoint))
            return &b;
    return nullptr;
}

const UdisksDrive* UdisksObjects::drive(const QString& objectPath) const {
    for (const UdisksDrive& d : m_drives)
        if (d.objectPath == objectPath)
            return &d;
    return nullptr;
}

const UdisksBlock* UdisksObjects::wholeDisk(const UdisksBlock& block) const {
    if (!block.isPartition)
        return &block;
    for (const UdisksBlock& b : m_blocks)
        if (b.objectPath == block.partitionTable)
            return &b;
    return nullptr;
}

bool UdisksObjects::isCardLike(const UdisksBlock& block, uint callerUid) const {
    if (block.hintIgnore || block.cryptoBackingDevice != u'/')
        return false;
    // udisks2 calls every loop device the system's; the user's own image is not.
    if (block.isLoop)
        return block.loopSetupBy == callerUid;
    const UdisksDrive* d = drive(block.drive);
    return !block.hintSystem && d &&
           (d->removable || d->mediaRemovable || d->ejectable || isExternalBus(d->connectionBus));
}

QList<UdisksBlock> UdisksObjects::unmountedCards(uint callerUid) const {
    QList<UdisksBlock> cards;
    for (const UdisksBlock& b : m_blocks)
        if (b.hasFileSystem && b.idUsage == u"filesystem" && b.mountPoints.isEmpty() &&
            isCardLike(b, callerUid))
            cards.append(b);
    return cards;
}

void UdisksObjects::crossCheck(DiskFacts& facts, uint callerUid) const {
    const UdisksBlock* b = blockForDevice(facts.devicePath());
    if (!b) {
        facts.disagreement = QStringLiteral("udisks2 does not know ") + facts.devicePath();
        return;
    }
    QStringList differences;
    const bool lsblkLoop = facts.deviceKind == u"loop";
    if (b->isLoop != lsblkLoop)
        differences.append(QStringLiteral("loop device or not"));
    if (b->cryptoBackingDevice != u'/' && facts.deviceKind != u"crypt")
        differences.append(QStringLiteral("encrypted mapping or not"));
    if (b->size > 0 && facts.size && *facts.size != b->size)
        differences.append(QStringLiteral("size"));
    if (!b->idType.isEmpty() && facts.filesystemType && *facts.filesystemType != b->idType)
        differences.append(QStringLiteral("file system"));
    if (!b->idUUID.isEmpty() && facts.volumeUUID &&
        facts.volumeUUID->compare(b->idUUID, Qt::CaseInsensitive) != 0)
        differences.append(QStringLiteral("volume UUID"));
    // lsblk may know mounts udisks2 does not; udisks2's own must be known to both.
    for (const QString& mountPoint : b->mountPoints)
        if (!facts.mountPoints.contains(mountPoint))
            differences.append(QStringLiteral("mounted at ") + mountPoint);
    if (b->drive != u'/') {
        const UdisksBlock* whole = wholeDisk(*b);
        if (!whole || !facts.wholeDisks.contains(QFileInfo(whole->device).fileName()))
            differences.append(QStringLiteral("which disk it is on"));
    }
    if (!differences.isEmpty())
        facts.disagreement = QStringLiteral("lsblk and udisks2 disagree on ") +
                             differences.join(QStringLiteral(", "));

    // The stricter answer counts: what either calls fixed or the system's own is.
    if (b->hintSystem && !isCardLike(*b, callerUid))
        facts.isOSInternal = true;
    if (const UdisksDrive* d = drive(b->drive)) {
        const bool external = isExternalBus(d->connectionBus);
        facts.isRemovable = facts.isRemovable && (d->removable || d->mediaRemovable);
        facts.isEjectable = facts.isEjectable && (d->ejectable || d->removable || external);
        facts.isRemovableOrExternal =
            facts.isRemovableOrExternal && (d->removable || d->mediaRemovable || external);
    }
}

} // namespace stowly
