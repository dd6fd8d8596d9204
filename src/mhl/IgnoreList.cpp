#include "mhl/IgnoreList.h"

#include "base/FileNames.h"
#include "mhl/MhlHistory.h"

#include <QDir>
#include <QFileInfo>

#include <fnmatch.h>

namespace stowly {
namespace {

bool matchesOne(QString pattern, const QString& path, bool isFolder) {
    if (pattern.startsWith(u'!') || pattern.startsWith(u'#'))
        return false;
    if (pattern.endsWith(u'/')) {
        if (!isFolder)
            return false;
        pattern.chop(1);
    }
    if (pattern.isEmpty())
        return false;
    if (pattern.contains(u'/')) {
        if (pattern.startsWith(u'/'))
            pattern.remove(0, 1);
        return ::fnmatch(fileNames::encode(pattern).constData(),
                         fileNames::encode(path).constData(), FNM_PATHNAME) == 0;
    }
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    return ::fnmatch(fileNames::encode(pattern).constData(), fileNames::encode(name).constData(),
                     0) == 0;
}

} // namespace

QStringList IgnoreList::defaults() {
    return {QStringLiteral(".DS_Store"), QStringLiteral("ascmhl"), QStringLiteral("ascmhl/"),
            QStringLiteral("*.stowly-partial"), QStringLiteral("Stowly Reports/")};
}

IgnoreList::IgnoreList(QStringList patterns) : m_patterns(std::move(patterns)) {}

bool IgnoreList::matches(const QString& relativePath, bool isFolder) const {
    for (const QString& pattern : m_patterns)
        if (matchesOne(fileNames::trimSpacesAndTabs(pattern), relativePath, isFolder))
            return true;
    return false;
}

QStringList IgnoreList::merged(QStringList patterns, const QStringList& more) {
    for (const QString& pattern : more)
        if (!patterns.contains(pattern))
            patterns.append(pattern);
    return patterns;
}

QStringList IgnoreList::filesBelow(const QString& scope, const QString& relative,
                                   QStringList* nestedHistories) const {
    QStringList files;
    const QDir folder(relative.isEmpty() ? scope : scope + u'/' + relative);
    const QFileInfoList entries = folder.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString path =
            relative.isEmpty() ? entry.fileName() : relative + u'/' + entry.fileName();
        const bool isFolder = entry.isDir() && !entry.isSymLink();
        if (matches(path, isFolder))
            continue;
        if (isFolder && nestedHistories && MhlHistory::exists(entry.filePath()))
            nestedHistories->append(path);
        else if (isFolder)
            files << filesBelow(scope, path, nestedHistories);
        else
            files << path;
    }
    return files;
}

} // namespace stowly
