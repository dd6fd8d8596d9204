#include "devices/DiskFacts.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QVariant>
#include <QXmlStreamReader>

namespace stowly {
namespace {

// A property list value; none on anything this reader does not understand.
std::optional<QVariant> readValue(QXmlStreamReader& xml) {
    const QStringView tag = xml.name();
    if (tag == u"dict") {
        QVariantMap map;
        while (xml.readNextStartElement()) {
            if (xml.name() != u"key")
                return std::nullopt;
            const QString key = xml.readElementText();
            if (xml.hasError() || !xml.readNextStartElement())
                return std::nullopt;
            std::optional<QVariant> value = readValue(xml);
            if (!value)
                return std::nullopt;
            map.insert(key, *value);
        }
        return xml.hasError() ? std::nullopt : std::optional<QVariant>(map);
    }
    if (tag == u"array") {
        QVariantList list;
        while (xml.readNextStartElement()) {
            std::optional<QVariant> value = readValue(xml);
            if (!value)
                return std::nullopt;
            list.append(*value);
        }
        return xml.hasError() ? std::nullopt : std::optional<QVariant>(list);
    }
    if (tag == u"true" || tag == u"false") {
        const bool value = tag == u"true";
        xml.skipCurrentElement();
        return QVariant(value);
    }
    const QString name = tag.toString();
    const QString text = xml.readElementText();
    if (xml.hasError())
        return std::nullopt;
    bool ok = true;
    if (name == u"string")
        return QVariant(text);
    if (name == u"integer") {
        const qlonglong n = text.trimmed().toLongLong(&ok);
        return ok ? std::optional<QVariant>(QVariant(n)) : std::nullopt;
    }
    if (name == u"real") {
        const double d = text.trimmed().toDouble(&ok);
        return ok ? std::optional<QVariant>(QVariant(d)) : std::nullopt;
    }
    if (name == u"date")
        return QVariant(QDateTime::fromString(text.trimmed(), Qt::ISODate));
    if (name == u"data")
        return QVariant(QByteArray::fromBase64(text.toLatin1()));
    return std::nullopt;
}

std::optional<QString> text(const QVariantMap& map, const QString& key) {
    const QVariant value = map.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

bool isTrue(const QVariantMap& map, const QString& key) {
    const QVariant value = map.value(key);
    return value.typeId() == QMetaType::Bool && value.toBool();
}

} // namespace

std::optional<DiskFacts> DiskFacts::fromPlist(const QByteArray& plist) {
    QXmlStreamReader xml(plist);
    if (!xml.readNextStartElement() || xml.name() != u"plist" || !xml.readNextStartElement())
        return std::nullopt;
    const std::optional<QVariant> root = readValue(xml);
    if (!root || root->typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    // Anything but the end of the document after the one root value is a broken list.
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement())
            return std::nullopt;
    }
    if (xml.hasError())
        return std::nullopt;

    const QVariantMap map = root->toMap();
    DiskFacts facts;
    const std::optional<QString> identifier = text(map, QStringLiteral("DeviceIdentifier"));
    if (!identifier || identifier->isEmpty())
        return std::nullopt;
    facts.deviceIdentifier = *identifier;
    facts.parentWholeDisk = text(map, QStringLiteral("ParentWholeDisk"));
    facts.mountPoint = text(map, QStringLiteral("MountPoint"));
    facts.volumeName = text(map, QStringLiteral("VolumeName"));
    facts.filesystemType = text(map, QStringLiteral("FilesystemType"));
    facts.filesystemName = text(map, QStringLiteral("FilesystemName"));
    if (!facts.filesystemName)
        facts.filesystemName = text(map, QStringLiteral("FilesystemPersonality"));
    facts.isInternal = isTrue(map, QStringLiteral("Internal"));
    facts.isOSInternal = isTrue(map, QStringLiteral("OSInternalMedia"));
    facts.isRemovable =
        isTrue(map, QStringLiteral("Removable")) || isTrue(map, QStringLiteral("RemovableMedia"));
    facts.isEjectable = isTrue(map, QStringLiteral("Ejectable"));
    facts.isRemovableOrExternal = isTrue(map, QStringLiteral("RemovableMediaOrExternalDevice"));
    return facts;
}

bool DiskFacts::isPartitionOrImage() const {
    if (deviceKind) {
        // What lsblk calls a partition or a loop device, with nothing built on top of it.
        return (*deviceKind == u"part" || *deviceKind == u"loop") && stackedDevices.isEmpty() &&
               !wholeDisks.isEmpty();
    }
    static const QRegularExpression partition(QStringLiteral("^disk[0-9]+s[0-9]+$"));
    return partition.match(deviceIdentifier).hasMatch();
}

bool DiskFacts::sharesDiskWith(const DiskFacts& other) const {
    if (deviceIdentifier == other.deviceIdentifier)
        return true;
    if (parentWholeDisk && other.parentWholeDisk && *parentWholeDisk == *other.parentWholeDisk)
        return true;
    for (const QString& disk : wholeDisks)
        if (other.wholeDisks.contains(disk))
            return true;
    return false;
}

} // namespace stowly
