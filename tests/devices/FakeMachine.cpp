#include "FakeMachine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace stowly::test {
namespace {

QJsonValue textOrNull(const QString& s) {
    return s.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(s);
}

} // namespace

FakeMachine FakeMachine::withCard(const QString& mountPoint) {
    FakeMachine m;
    m.devices = {
        {.name = "vda", .type = "disk", .size = 100'000'000'000, .transport = "virtio"},
        {.name = "vda1",
         .parent = "vda",
         .mountPoints = {"/"},
         .fsType = "ext4",
         .uuid = "1111-ROOT"},
        {.name = "vda2", .parent = "vda", .swap = true, .fsType = "swap"},
        {.name = "sdb", .type = "disk", .removable = true, .hotplug = true, .transport = "usb"},
        {.name = "sdb1",
         .parent = "sdb",
         .removable = true,
         .hotplug = true,
         .mountPoints = {mountPoint},
         .fsType = "exfat",
         .fsVersion = "1.0",
         .label = "CARD",
         .uuid = "ABCD-1234"},
    };
    return m;
}

FakeDevice* FakeMachine::device(const QString& name) {
    const QString n = name.startsWith(QStringLiteral("/dev/")) ? name.mid(5) : name;
    for (FakeDevice& d : devices)
        if (d.name == n)
            return &d;
    return nullptr;
}

FakeDevice* FakeMachine::mountedAt(const QString& path) {
    for (FakeDevice& d : devices)
        if (d.mountPoints.contains(path))
            return &d;
    return nullptr;
}

int FakeMachine::count(const QString& program) const {
    int n = 0;
    for (const QString& c : commands)
        if (c == program || c.startsWith(program + u' '))
            ++n;
    return n;
}

bool FakeMachine::ran(const QString& prefix) const {
    for (const QString& c : commands)
        if (c.startsWith(prefix))
            return true;
    return false;
}

QByteArray FakeMachine::lsblkJson() const {
    // A flat listing with parent names: the parser must cope with both shapes, and the tree
    // shape is covered by fixtures.
    QJsonArray list;
    for (const FakeDevice& d : devices) {
        QJsonArray mounts;
        for (const QString& m : d.mountPoints)
            mounts.append(m);
        if (d.swap)
            mounts.append(QStringLiteral("[SWAP]"));
        if (mounts.isEmpty())
            mounts.append(QJsonValue::Null);
        QJsonObject o{{"kname", d.name},
                      {"name", d.name},
                      {"pkname", textOrNull(d.parent)},
                      {"type", d.type},
                      {"size", double(d.size)},
                      {"rm", d.removable},
                      {"hotplug", d.hotplug},
                      {"tran", textOrNull(d.transport)},
                      {"mountpoints", mounts},
                      {"label", udevRuns ? textOrNull(d.label) : QJsonValue(QJsonValue::Null)},
                      {"fstype", udevRuns ? textOrNull(d.fsType) : QJsonValue(QJsonValue::Null)},
                      {"fsver", udevRuns ? textOrNull(d.fsVersion) : QJsonValue(QJsonValue::Null)},
                      {"uuid", udevRuns ? textOrNull(d.uuid) : QJsonValue(QJsonValue::Null)}};
        list.append(o);
    }
    return QJsonDocument(QJsonObject{{"blockdevices", list}}).toJson();
}

CommandResult FakeMachine::blkid(const QStringList& arguments) {
    const FakeDevice* d = device(arguments.value(arguments.size() - 1));
    if (!d || d->fsType.isEmpty())
        return CommandResult::finished(2);
    QByteArray out;
    if (!d->label.isEmpty())
        out += "ID_FS_LABEL_ENC=" + d->label.toUtf8().replace(" ", "\\x20") + '\n';
    if (!d->uuid.isEmpty())
        out += "ID_FS_UUID=" + d->uuid.toUtf8() + '\n';
    if (!d->fsVersion.isEmpty())
        out += "ID_FS_VERSION=" + d->fsVersion.toUtf8() + '\n';
    out += "ID_FS_TYPE=" + d->fsType.toUtf8() + '\n';
    return CommandResult::finished(0, out);
}

CommandResult FakeMachine::erase(const QString& program, const QStringList& arguments) {
    FakeDevice* d = device(arguments.last());
    if (!d)
        return CommandResult::finished(1, {}, QStringLiteral("open failed : no such device"));
    if (!d->mountPoints.isEmpty())
        return CommandResult::finished(1, {}, QStringLiteral("Device or resource busy"));
    if (program == u"mkfs.exfat") {
        d->fsType = QStringLiteral("exfat");
        d->fsVersion = QStringLiteral("1.0");
        d->label = arguments.value(1);
    } else {
        d->fsType = QStringLiteral("vfat");
        d->fsVersion = QStringLiteral("FAT") + arguments.value(1);
        d->label = arguments.value(3);
    }
    d->uuid = QString::number(++m_serial, 16).toUpper() + QStringLiteral("-0000");
    return CommandResult::finished(0);
}

CommandResult FakeMachine::run(const QString& program, const QStringList& arguments, Timeout) {
    commands.append((program + u' ' + arguments.join(u' ')).trimmed());
    auto script = scripted.find(program);
    if (script != scripted.end() && !script->isEmpty())
        return script->takeFirst();
    if (!programs.contains(program))
        return CommandResult::notRun(QStringLiteral("The program wasn’t found."));

    if (program == u"lsblk")
        return CommandResult::finished(0, lsblkJson());
    if (program == u"blkid")
        return blkid(arguments);
    if (program == u"umount") {
        FakeDevice* d = mountedAt(arguments.value(0));
        if (!d)
            return CommandResult::finished(32, {},
                                           "umount: " + arguments.value(0) + ": not mounted.");
        d->mountPoints.removeAll(arguments.value(0));
        if (afterUnmount)
            afterUnmount(*this);
        return CommandResult::finished(0);
    }
    if (program == u"mkfs.exfat" || program == u"mkfs.fat")
        return erase(program, arguments);
    if (program == u"mount" || program == u"mount.exfat-fuse") {
        const bool kernel = program == u"mount";
        const QString type = kernel ? arguments.value(1) : QStringLiteral("exfat");
        FakeDevice* d = device(arguments.value(kernel ? 2 : 0));
        if (kernel && !kernelFileSystems.contains(type))
            return CommandResult::finished(32, {},
                                           "mount: unknown filesystem type '" + type + "'.");
        if (!d || d->fsType != (type == u"vfat" ? QStringLiteral("vfat") : type))
            return CommandResult::finished(32, {}, QStringLiteral("mount: wrong fs type"));
        d->mountPoints.append(arguments.value(kernel ? 3 : 1));
        return CommandResult::finished(0);
    }
    if (program == u"udisksctl") {
        const QString verb = arguments.value(0);
        FakeDevice* d = device(arguments.value(2));
        if (!d)
            return CommandResult::finished(1, {}, QStringLiteral("Error: no such device"));
        if (verb == u"unmount") {
            if (d->mountPoints.isEmpty())
                return CommandResult::finished(1, {}, QStringLiteral("Error: not mounted"));
            d->mountPoints.clear();
            if (afterUnmount)
                afterUnmount(*this);
            return CommandResult::finished(0, "Unmounted " + arguments.value(2).toUtf8() + ".\n");
        }
        if (verb == u"mount") {
            const QString at = udisksMountRoot + u'/' + d->label;
            d->mountPoints.append(at);
            return CommandResult::finished(
                0, ("Mounted " + arguments.value(2) + " at " + at + ".\n").toUtf8());
        }
        return CommandResult::finished(0);
    }
    if (program == u"losetup" || program == u"eject")
        return CommandResult::finished(0);
    return CommandResult::finished(1, {}, QStringLiteral("unexpected command"));
}

} // namespace stowly::test
