// Writes the seed inputs of the fuzz targets with the product's own writers:
// make_seeds <corpus folder>. Run by hand when a format changes.
#include "app/settings/SettingsTable.h"
#include "app/stores/CameraStore.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/PresetStore.h"
#include "app/stores/RuleStore.h"
#include "history/History.h"
#include "history/RunLog.h"
#include "mhl/ManifestXml.h"
#include "mhl/MhlChain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

using namespace stowly;

namespace {

QString corpus;

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void seed(const QString& target, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(corpus + u'/' + target);
    QFile file(corpus + u'/' + target + u'/' + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

HistoryEntry entry(const QString& folder, int n) {
    const QString name = QStringLiteral("C000%1.MP4").arg(n);
    return HistoryEntry{QStringLiteral("4A2B-19F0|DCIM/%1|1048576|1761399005").arg(name),
                        QStringLiteral("A001"),
                        QStringLiteral("PRIVATE/M4ROOT/CLIP/") + name,
                        folder + u'/' + name,
                        1048576,
                        QString(64, u'a'),
                        QDateTime(QDate(2026, 10, 25), QTime(13, 30, n), Qt::UTC)};
}

void histories(const QString& scratch) {
    const QString folder = scratch + QStringLiteral("/history");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/ledger.json");
    {
        History history(path);
        history.add(entry(folder, 1), false);
        history.add(entry(folder, 2), false);
    }
    seed(QStringLiteral("history"), QStringLiteral("two"), contents(path));
    seed(QStringLiteral("history"), QStringLiteral("empty"), "[]");
    const QByteArray ledger = contents(path);
    {
        History history(path);
        history.add(entry(QStringLiteral("$D"), 3), true);
        auto run = history.journal()->startRun();
        run->copying(QStringLiteral("$D/C0001.MP4"), entry(QStringLiteral("$D"), 1).sourceKey);
        run->verifying(entry(QStringLiteral("$D"), 4));
        run->dropped(QStringLiteral("$D/C0005.MP4"));
        const QByteArray journal = contents(path + QStringLiteral(".journal"));
        seed(QStringLiteral("journal"), QStringLiteral("intents"), journal);
        seed(QStringLiteral("journal"), QStringLiteral("intents-ledger"), journal + '\0' + ledger);
    }
}

void manifests() {
    MhlManifest manifest;
    manifest.creationDate = QDateTime(QDate(2026, 10, 25), QTime(13, 30, 5), Qt::UTC);
    manifest.hostName = QStringLiteral("edit-bay");
    manifest.toolName = QStringLiteral("Stowly");
    manifest.toolVersion = QStringLiteral("0.1.0");
    manifest.process = MhlManifest::Process::transfer;
    manifest.ignorePatterns = {QStringLiteral(".DS_Store"), QStringLiteral("ascmhl")};
    MhlManifest::File file;
    file.path = QStringLiteral("A001/C0001.MP4");
    file.size = 1048576;
    file.lastModificationDate = manifest.creationDate;
    file.hashes = {{HashFormat::xxh128, QString(32, u'b'), MhlManifest::Action::original,
                    manifest.creationDate}};
    manifest.files = {file};
    MhlManifest::Directory folder;
    folder.path = QStringLiteral("A001");
    folder.content = {{HashFormat::xxh128, QString(32, u'c'), {}, {}}};
    folder.structure = {{HashFormat::xxh128, QString(32, u'd'), {}, {}}};
    manifest.directories = {folder};
    seed(QStringLiteral("mhl_manifest"), QStringLiteral("transfer"), ManifestXml::write(manifest));
    manifest.files.clear();
    manifest.directories.clear();
    seed(QStringLiteral("mhl_manifest"), QStringLiteral("empty"), ManifestXml::write(manifest));

    MhlChain chain;
    chain.links = {{1, QStringLiteral("0001_A001_2026-10-25_133005Z.mhl"),
                    QStringLiteral("c4") + QString(88, u'1')},
                   {2, QStringLiteral("0002_A001_2026-10-25_133105Z.mhl"),
                    QStringLiteral("c4") + QString(88, u'2')}};
    seed(QStringLiteral("mhl_chain"), QStringLiteral("two"), chain.toXml());
}

void stores(const QString& scratch) {
    const QString folder = scratch + QStringLiteral("/stores");
    QDir().mkpath(folder);
    {
        PresetStore store(folder + QStringLiteral("/presets.json"));
        OffloadPreset preset;
        preset.name = QStringLiteral("Wedding");
        preset.destinationPath = QStringLiteral("/media/raid/Wedding");
        store.add(preset);
    }
    {
        CameraStore store(folder + QStringLiteral("/cameras.json"));
        const Camera camera = store.add(QStringLiteral("FX3"), QStringLiteral("A"));
        store.add(QStringLiteral("A7S III"), QStringLiteral("B"));
        store.remember(camera.id, QStringLiteral("4A2B-19F0"));
    }
    {
        RuleStore store(folder + QStringLiteral("/rules.json"));
        OffloadRule rule;
        rule.match = OffloadRule::Match::name;
        rule.value = QStringLiteral("A*_CARD");
        rule.project = QStringLiteral("Coastline");
        store.add(rule);
    }
    {
        DestinationStore::Options options;
        options.filePath = folder + QStringLiteral("/destinations.json");
        options.folderExists = [](const QString&) { return true; };
        DestinationStore store(options);
        store.add(QStringLiteral("/media/raid"), QStringLiteral("RAID"));
        store.add(scratch);
    }
    const char* names[] = {"presets.json", "cameras.json", "rules.json", "destinations.json"};
    for (int i = 0; i < 4; ++i)
        seed(QStringLiteral("stores"), QString::fromLatin1(names[i]),
             char(i) + contents(folder + u'/' + QString::fromLatin1(names[i])));

    RunRecord run;
    run.id = QStringLiteral("0b6f3d1e-5a7c-4c1e-9f00-3a2f1c9e8d7b");
    run.startedAt = QDateTime(QDate(2026, 10, 25), QTime(13, 31, 5), Qt::UTC);
    run.endedAt = run.startedAt.addSecs(95);
    run.card = {QStringLiteral("A001_CARD"), QStringLiteral("4A2B-19F0"), 128'000'000'000,
                QStringLiteral("exfat")};
    run.project = QStringLiteral("Coastline");
    run.destinations = {
        {QStringLiteral("/media/raid"), RunRecord::Destination::Role::main, true, true},
        {QStringLiteral("/media/shuttle"), RunRecord::Destination::Role::cascade, true, true}};
    run.hashFormats = {QStringLiteral("xxh128"), QStringLiteral("md5")};
    RunRecord::Copy copy;
    copy.sourceKey = QStringLiteral("4A2B-19F0|C0001.MP4|1000|1761399000");
    copy.sourceRelativePath = QStringLiteral("C0001.MP4");
    copy.destination = QStringLiteral("/media/raid");
    copy.path = QStringLiteral("/media/raid/C0001.MP4");
    copy.size = 1000;
    copy.sha256 = QString(64, u'a');
    copy.xxh128 = QString(32, u'b');
    copy.hashes.insert(QStringLiteral("md5"), QString(32, u'c'));
    copy.provedAt = run.endedAt;
    run.copies << copy;
    copy.path = QStringLiteral("/media/shuttle/C0001.MP4");
    copy.failure = QStringLiteral("The drive is full.");
    run.copies << copy;
    run.failures << QStringLiteral("C0001.MP4 at /media/shuttle: The drive is full.");
    MediaFacts facts;
    facts.codec = QStringLiteral("h264");
    facts.width = 3840;
    facts.height = 2160;
    facts.frameRate = 25;
    facts.startTimecode = QStringLiteral("01:00:00:00");
    run.facts.insert(copy.sourceRelativePath, facts);
    RunLog(folder + QStringLiteral("/runs")).save(run);
    const QStringList saved = QDir(folder + QStringLiteral("/runs")).entryList(QDir::Files);
    if (!saved.isEmpty())
        seed(QStringLiteral("stores"), QStringLiteral("run.json"),
             char(4) + contents(folder + QStringLiteral("/runs/") + saved.first()));
}

void settings(const QString& scratch) {
    const QList<SettingDefinition>& rows = SettingsTable::rows();
    const QString path = scratch + QStringLiteral("/Stowly.conf");
    {
        QSettings file(path, QSettings::IniFormat);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const SettingDefinition& row = rows[i];
            seed(QStringLiteral("settings"), row.key,
                 char(i) +
                     (row.example.isEmpty() ? row.text(row.defaultValue) : row.example).toUtf8());
            const auto parsed = row.parse(row.example);
            const QVariant kept = row.stored(parsed.value ? *parsed.value : row.defaultValue);
            if (kept.isValid())
                file.setValue(row.key, kept);
        }
    }
    seed(QStringLiteral("settings"), QStringLiteral("Stowly.conf"),
         char(rows.size()) + contents(path));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    corpus = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir scratch;
    histories(scratch.path());
    manifests();
    stores(scratch.path());
    settings(scratch.path());
    return 0;
}
