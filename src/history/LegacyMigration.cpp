#include "history/LegacyMigration.h"

#include "base/AppFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace stowly {
namespace {

bool copyItem(const QString& from, const QString& to) {
    const QFileInfo info(from);
    if (!info.isDir() || info.isSymLink())
        return QFile::copy(from, to);
    if (!QDir().mkpath(to))
        return false;
    bool ok = true;
    const QDir source(from);
    for (const QFileInfo& child : source.entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot))
        ok = copyItem(child.filePath(), to + u'/' + child.fileName()) && ok;
    return ok;
}

} // namespace

void LegacyMigration::run(QSettings& own, QSettings& predecessor, const QString& predecessorFolder,
                          const QString& appFolder) {
    if (own.value(markerKey).toBool())
        return;

    QStringList names =
        QDir(predecessorFolder)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    if (!names.isEmpty()) {
        QDir().mkpath(appFolder);
        std::sort(names.begin(), names.end());
        for (const QString& name : names) {
            if (name == u".DS_Store")
                continue;
            const QString target = appFolder + u'/' + name;
            if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
                continue;
            copyItem(predecessorFolder + u'/' + name, target);
        }
    }

    QStringList keys = predecessor.allKeys();
    std::sort(keys.begin(), keys.end());
    static const QStringList skippedPrefixes{"NS", "Apple", "com.apple.", "FlickBoxDemo",
                                             "StowlyDemo"};
    for (const QString& key : keys) {
        if (key == QLatin1StringView(markerKey))
            continue;
        if (std::any_of(skippedPrefixes.begin(), skippedPrefixes.end(),
                        [&](const QString& prefix) { return key.startsWith(prefix); }))
            continue;
        if (own.contains(key))
            continue;
        own.setValue(key, predecessor.value(key));
    }

    own.setValue(markerKey, true);
    own.sync();
}

void LegacyMigration::run() {
    QSettings own(AppFolders::preferencesFile(), QSettings::IniFormat);
    QSettings predecessor(AppFolders::predecessorPreferencesFile(), QSettings::IniFormat);
    run(own, predecessor, AppFolders::predecessorSupport(), AppFolders::appSupport());
}

} // namespace stowly
