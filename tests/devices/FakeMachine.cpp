#include "FakeMachine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace stowly::test {
namespace {

QJsonValue orNull(const QString& s, bool known = true) {
    return s.isEmpty() || !known ? QJsonValue(QJsonValue::Null) : QJsonValue(s);
}

CommandResult ok(const QByteArray& out = {}) {
    return CommandResult::finished(0, out);
}
CommandResult error(int status, const QString& text) {
    return CommandResult::finished(status, {}, text);
}

} // namespace

FakeMachine FakeMachine::withCard(const QString& mountPoint) {
    FakeMachine m;
    m.devices = {
        {.name = "vda", .type = "disk", .transport = "virtio"},
        {.name = "vda1", .parent = "vda", .mountPoints = {"/"}, .fsType = "ext4"},
        {.name = "vda2", .parent = "vda", .swap = true, .fsType = "swap"},
        {.name = "sdb", .type = "disk", .removable = true, .hotplug = true, .transport = "usb"},
        {.name = "sdb1",
         .parent = "sdb",
         .mountPoints = {mountPoint},
         .fsType = "exfat",
         .label = "CARD",
         .uuid = "ABCD-1234"},
    };
    return m;
}

FakeDevice* FakeMachine::device(QString name) {
    name.remove(QStringLiteral("/dev/"));
    for (FakeDevice& d : devices)
        if (d.name == name)
            return &d;
    return nullptr;
}

int FakeMachine::count(const QString& program) const {
    return int(std::count_if(commands.cbegin(), commands.cend(),
                             [&](const QString& c) { return c.section(u' ', 0, 0) == program; }));
}

bool FakeMachine::ran(const QString& prefix) const {
    return std::any_of(commands.cbegin(), commands.cend(),
                       [&](const QString& c) { return c.startsWith(prefix); });
}

QByteArray FakeMachine::lsblk() const {
    // A flat listing with parent names; the tree shape is covered by a fixture.
    QJsonArray list;
    for (const FakeDevice& device : devices) {
        FakeDevice d = device;
        const bool known = udevRuns || udevLeftovers.contains(d.name);
        if (const auto left = udevLeftovers.constFind(d.name); left != udevLeftovers.cend()) {
            d.label = left->label;
            d.fsType = left->fsType;
            d.fsVersion = left->fsVersion;
            d.uuid = left->uuid;
        }
        QJsonArray mounts = QJsonArray::fromStringList(d.mountPoints);
        if (d.swap)
            mounts.append(QStringLiteral("[SWAP]"));
        list.append(
            QJsonObject{{"kname", d.name},
                        {"name", d.name},
                        {"pkname", orNull(d.parent)},
                        {"type", d.type},
                        {"size", double(d.size)},
                        {"rm", d.removable},
                        {"hotplug", d.hotplug},
                        {"tran", orNull(d.transport)},
                        {"mountpoints", mounts.isEmpty() ? QJsonArray{QJsonValue::Null} : mounts},
                        {"label", orNull(d.label, known)},
                        {"fstype", orNull(d.fsType, known)},
                        {"fsver", orNull(d.fsVersion, known)},
                        {"uuid", orNull(d.uuid, known)}});
    }
    return QJsonDocument(QJsonObject{{"blockdevices", list}}).toJson();
}

CommandResult FakeMachine::mount(FakeDevice* d, const QString& type, const QString& at) {
    if (!d || d->fsType != type)
        return error(32, QStringLiteral("mount: wrong fs type"));
    d->mountPoints.append(at);
    return ok();
}

CommandResult FakeMachine::run(const QString& program, const QStringList& args, Timeout) {
    commands.append((program + u' ' + args.join(u' ')).trimmed());
    auto script = scripted.find(program);
    if (script != scripted.end() && !script->isEmpty())
        return script->takeFirst();
    if (!programs.contains(program))
        return CommandResult::notRun(QStringLiteral("The program wasn’t found."));
    FakeDevice* last = device(args.value(args.size() - 1));

    if (program == u"lsblk")
        return ok(lsblk());
    if (program == u"blkid") {
        if (!last || last->fsType.isEmpty())
            return CommandResult::finished(2);
        return ok("ID_FS_LABEL_ENC=" + last->label.toUtf8().replace(" ", "\\x20") +
                  "\nID_FS_UUID=" + last->uuid.toUtf8() + "\nID_FS_VERSION=" +
                  last->fsVersion.toUtf8() + "\nID_FS_TYPE=" + last->fsType.toUtf8() + "\n");
    }
    if (program == u"umount") {
        FakeDevice* d = nullptr;
        for (FakeDevice& candidate : devices)
            if (candidate.mountPoints.contains(args.value(0)))
                d = &candidate;
        if (!d)
            return error(32, "umount: " + args.value(0) + ": not mounted.");
        d->mountPoints.removeAll(args.value(0));
        if (afterUnmount)
            afterUnmount(*this);
        return ok();
    }
    if (program.startsWith(QStringLiteral("mkfs."))) {
        if (!last || !last->mountPoints.isEmpty())
            return error(1, QStringLiteral("Device or resource busy"));
        const bool exfat = program == u"mkfs.exfat";
        last->fsType = exfat ? "exfat" : "vfat";
        last->fsVersion = exfat ? "1.0" : "FAT" + args.value(1);
        last->label = args.value(exfat ? 1 : 3);
        last->uuid = QString::number(++m_serial, 16).toUpper() + QStringLiteral("-0000");
        return ok();
    }
    // Options come first; the device and the folder are the last two arguments.
    const QString mountDevice = args.value(args.size() - 2);
    const QString mountFolder = args.value(args.size() - 1);
    if (program == u"mount") {
        const QString type = args.value(args.indexOf(QStringLiteral("-t")) + 1);
        if (!kernelFileSystems.contains(type))
            return error(32, "mount: unknown filesystem type '" + type + "'.");
        return mount(device(mountDevice), type, mountFolder);
    }
    if (program == u"mount.exfat-fuse")
        return mount(device(mountDevice), QStringLiteral("exfat"), mountFolder);
    return ok(); // powering off, detaching
}

} // namespace stowly::test
