#include "support/AppModelWorld.h"

#include "devices/VolumePaths.h"

#include <QCoreApplication>
#include <QThreadPool>

namespace stowly::test {

std::optional<DiskFacts> FolderDiskTool::facts(const QString& target) {
    DiskFacts facts;
    if (target == u"/" || target == u"vda1") {
        facts.deviceIdentifier = "vda1";
        facts.parentWholeDisk = "vda";
        facts.mountPoint = "/";
        facts.deviceKind = "part";
        facts.wholeDisks = {"vda"};
        facts.isInternal = true;
        facts.isOSInternal = true;
        return facts;
    }
    std::lock_guard lock(mutex);
    QString mountPoint = target;
    if (m_moved.contains(target))
        mountPoint = m_moved.value(target);
    if (!mountPoint.startsWith(root))
        return std::nullopt;
    const QString name = mountPoint.mid(mountPoint.lastIndexOf(u'/') + 1);
    facts.deviceIdentifier = "sdb1";
    facts.parentWholeDisk = "sdb";
    facts.mountPoint = mountPoint;
    facts.mountPoints = {mountPoint};
    facts.volumeName = name;
    facts.filesystemType = "exfat";
    facts.filesystemName = "exFAT";
    facts.deviceKind = "part";
    facts.wholeDisks = {"sdb"};
    facts.isRemovable = true;
    facts.isEjectable = true;
    facts.isRemovableOrExternal = true;
    return facts;
}

std::optional<QString> FolderDiskTool::volumePath(const QString& path) {
    return path.startsWith(root) ? std::optional(path.section(u'/', 0, root.count(u'/') + 1))
                                 : std::optional(QStringLiteral("/"));
}

FormatOutcome FolderDiskTool::erase(const DiskFacts& card, const QString&, CardFileSystem,
                                    const QString& newName) {
    {
        std::lock_guard lock(mutex);
        if (const std::optional<FormatOutcome> outcome = std::exchange(nextOutcome, std::nullopt))
            return *outcome;
    }
    const QString oldPath = *card.mountPoint;
    const QString newPath = root + u'/' + newName;
    QDir(oldPath).removeRecursively();
    QDir().mkpath(newPath);
    {
        std::lock_guard lock(mutex);
        erased.append(oldPath);
        m_moved.insert(card.deviceIdentifier, newPath);
    }
    if (remount)
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [this, oldPath, newPath] { remount(oldPath, newPath); },
            Qt::BlockingQueuedConnection);
    return FormatOutcome::formatted(newName, std::nullopt);
}

std::optional<QString> FolderDiskTool::eject(const QString& mountPath) {
    std::lock_guard lock(mutex);
    ejected.append(mountPath);
    return std::nullopt;
}

DiskTool::Mounted FolderDiskTool::mount(const QString& device, const QString& name) {
    const QString path = root + u'/' + name;
    QDir().mkpath(path);
    std::lock_guard lock(mutex);
    mounted.append(device);
    unmounted.removeIf([&](const UnmountedCard& c) { return c.device == device; });
    return {path, {}};
}

World::World(bool startWatching, std::unique_ptr<History> ledger,
             std::shared_ptr<SleepInhibitor> sleepInhibitor) {
    savedRoots = VolumePaths::mountRoots();
    VolumePaths::setMountRoots({root("media") + u'/'});
    QDir().mkpath(root("media"));

    AppStores stores;
    stores.settings = std::make_unique<AppSettings>(nullptr);
    stores.ledger = ledger ? std::move(ledger) : std::make_unique<History>(home("ledger.json"));
    stores.cameras = std::make_unique<CameraStore>(std::nullopt);
    DestinationStore::Options options;
    options.filePath = std::nullopt;
    stores.destinations = std::make_unique<DestinationStore>(std::move(options));
    stores.presets = std::make_unique<PresetStore>(std::nullopt);
    stores.rules = std::make_unique<RuleStore>(std::nullopt);
    stores.settings->setValue(setting::destinationPath, destination.path());

    AppPlatform platform;
    platform.volumes = &volumes;
    auto fakeEvents = std::make_unique<FakeMountEvents>();
    events = fakeEvents.get();
    platform.mountEvents = std::move(fakeEvents);
    auto tool = std::make_unique<FolderDiskTool>(root("media"));
    disk = tool.get();
    platform.diskTool = std::move(tool);
    platform.durationReader = durations;
    platform.factsReader = facts;
    platform.usesNotifications = false;
    // Never the machine's own logind.
    struct Nothing : SleepInhibitor {
        std::unique_ptr<Hold> hold(const QString&) override { return nullptr; }
    };
    platform.sleepInhibitor =
        sleepInhibitor ? std::move(sleepInhibitor) : std::make_shared<Nothing>();
    model = std::make_unique<AppModel>(std::move(stores), std::move(platform), startWatching);
    model->settings().setValue(setting::destinationPath, destination.path());
    disk->remount = [this](const QString& oldPath, const QString& newPath) {
        const QString name = newPath.mid(newPath.lastIndexOf(u'/') + 1);
        volumes.remove(oldPath);
        events->unmount(oldPath);
        volumes.add(FakeVolumes::card(newPath, name, QStringLiteral("NEW-UUID")));
        remountedAt = newPath;
    };
}

World::~World() {
    model.reset();
    // Background work (the import prompt's look at a card) reads the fake volumes until it ends.
    QThreadPool::globalInstance()->waitForDone();
    VolumePaths::setMountRoots(savedRoots);
}

CardVolume World::insertCard(const QString& name, const QHash<QString, QByteArray>& files,
                             const std::optional<QString>& uuid, bool announce) {
    const QString path = root("media/" + name);
    QDir().mkpath(path);
    // Written in path order, so files whose creation time the file system records sort by path
    // as they do where it records none.
    QStringList paths = files.keys();
    paths.sort();
    for (const QString& file : paths) {
        writeFile(path + u'/' + file, files.value(file));
        setModificationTime(path + u'/' + file,
                            QDateTime::fromSecsSinceEpoch(1'790'000'000, Qt::UTC));
    }
    volumes.add(FakeVolumes::card(path, name, uuid));
    if (announce)
        events->mount(path);
    return CardVolume{path, name, uuid};
}

void World::removeCard(const CardVolume& card) {
    volumes.remove(card.url);
    events->unmount(card.url);
}

bool World::waitForSession() {
    return spinUntil([&] { return model->session() && !model->isScanning(); });
}

bool World::waitForOffload(int timeoutMs) {
    return spinUntil(
        [&] {
            return model->session() && model->session()->phase() == OffloadSession::Phase::finished;
        },
        timeoutMs);
}

} // namespace stowly::test
