#include "naming/OffloadPlanner.h"

#include "base/FileNames.h"
#include "base/Graphemes.h"
#include "base/NameRules.h"
#include "media/ClipOrder.h"
#include "media/MediaCategory.h"
#include "media/SidecarMatcher.h"
#include "naming/FormatFolder.h"
#include "naming/TemplateRenderer.h"

#include <QDateTime>
#include <QSet>

#include <algorithm>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>

namespace stowly {
namespace {

QString joinPath(const QString& folder, const QString& name) {
    return folder.isEmpty() ? name : folder + u'/' + name;
}

QString withExtension(const QString& stem, const QString& ext) {
    return ext.isEmpty() ? stem : stem + u'.' + ext;
}

QString stemOf(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot >= 0 ? fileName.left(dot) : fileName;
}

// The UTF-8 bytes a stem may take of a file name: a "_N" that makes it unique, the extension
// and, while the copy is unverified, the partial-copy suffix still have to fit after it.
qsizetype stemBytes(const QString& ext) {
    constexpr qsizetype uniqueRoom = 8; // "_" and up to seven digits
    static const qsizetype partialRoom = graphemes::utf8Size(NameBook::partialSuffix());
    return TemplateRenderer::maxNameBytes - uniqueRoom - partialRoom -
           (ext.isEmpty() ? 0 : 1 + graphemes::utf8Size(ext));
}

// The extension a planned name ends with: lower case, and holding nothing a destination
// cannot store, since it is the one piece of a name that comes straight from the card.
QString nameExtension(const Clip& file) {
    return NameRules::safeComponent(mediaCategory::extensionOf(file.fileName()));
}

// The sequence number of one folded name, when it has the folded pattern.
std::optional<qint64> sequenceOf(QStringView name, QStringView prefix, QStringView fixedAfter,
                                 bool afterIsFixed) {
    if (!name.startsWith(prefix))
        return std::nullopt;
    qsizetype i = prefix.size();
    const qsizetype digitsStart = i;
    qint64 value = 0;
    while (i < name.size() && name[i] >= u'0' && name[i] <= u'9') {
        if (i - digitsStart < 9)
            value = value * 10 + (name[i].unicode() - u'0');
        ++i;
    }
    if (i == digitsStart)
        return std::nullopt;
    const QStringView rest = name.mid(i);
    if (!rest.startsWith(fixedAfter))
        return std::nullopt;
    if (afterIsFixed) {
        const QStringView tail = rest.mid(fixedAfter.size());
        if (!tail.isEmpty() && !tail.startsWith(u'.'))
            return std::nullopt;
    }
    return value;
}

// Everything one plan run keeps between files.
class PlanRun {
public:
    PlanRun(const NamingTemplates& naming, const NamingContext& context, const FileRules& rules,
            const OffloadPlanner::Lister& lister, const DestinationNameRules& destination)
        : m_naming(naming), m_context(context), m_rules(rules), m_destination(destination),
          m_book(lister), m_now(QDateTime::currentDateTime()) {}

    QList<PlannedFile> plan(const QList<Clip>& files) {
        const QList<Clip> sorted = clipOrder::order(files);
        const SidecarMatcher::Result matched = SidecarMatcher::match(sorted, m_rules);

        QList<const Clip*> mains;
        for (const Clip& file : sorted)
            if (!matched.primaryOf.contains(file.relativePath))
                mains.append(&file);

        QStringList shootFolders;
        shootFolders.reserve(mains.size());
        for (const Clip* file : mains) {
            const QString shoot = shootFolder(*file);
            shootFolders.append(shoot);
            noteTypeFolder(shoot, *file);
            for (const auto& sidecar : matched.sidecars.value(file->relativePath))
                if (sidecar.role == FileRole::main)
                    noteTypeFolder(shoot, sidecar.file);
        }

        QList<PlannedFile> plan;
        plan.reserve(sorted.size());
        static const QList<SidecarMatcher::Sidecar> noSidecars;
        for (qsizetype i = 0; i < mains.size(); ++i) {
            const Clip& file = *mains[i];
            const auto found = matched.sidecars.constFind(file.relativePath);
            planMain(plan, file, shootFolders[i],
                     found != matched.sidecars.constEnd() ? *found : noSidecars);
        }
        return plan;
    }

private:
    // Files without any date take the one "now" of this run, so their folder and file name
    // cannot fall on two sides of midnight.
    std::optional<QDateTime> explicitDate(const Clip& file) const {
        const bool dated = (file.creationDate && file.creationDate->isValid()) ||
                           (file.modificationDate && file.modificationDate->isValid());
        return dated ? std::nullopt : std::optional<QDateTime>(m_now);
    }

    QString shootFolder(const Clip& file) {
        const std::optional<QDateTime> date = explicitDate(file);
        QStringList levels;
        for (const auto& parts : m_naming.folder.components)
            levels.append(m_destination.safe(TemplateRenderer::finish(
                TemplateRenderer::renderLevel(parts, file, m_context, date))));
        const QString shoot = levels.join(u'/');
        // Shoot folders that differ only in case are one folder: the first spelling is the one
        // listed and the one every file of it goes into.
        const QString key = NameRules::fold(shoot);
        if (const auto it = m_shootSpelling.constFind(key); it != m_shootSpelling.constEnd())
            return *it;
        m_shootSpelling.insert(key, shoot);
        return shoot;
    }

    void noteTypeFolder(const QString& shoot, const Clip& file) {
        const QString ext = mediaCategory::extensionOf(file.fileName());
        if (ext.isEmpty() || m_rules.proxyExtensions.contains(ext) ||
            m_rules.sidecarExtensions.contains(ext))
            return;
        if (const auto folder = FormatFolder::name(ext))
            m_typeFolders[NameRules::fold(shoot)].insert(*folder);
    }

    void planMain(QList<PlannedFile>& plan, const Clip& file, const QString& shoot,
                  const QList<SidecarMatcher::Sidecar>& sidecars) {
        const QString ext = nameExtension(file);
        const FileRole role = m_rules.role(file.fileName());
        if (const auto roleName = OffloadPlanner::roleFolder(role)) {
            // A proxy or sidecar whose clip is not in this offload keeps its own name.
            const QString folder = joinPath(shoot, *roleName);
            const QString name = unique(
                TemplateRenderer::finish(stemOf(file.fileName()), stemBytes(ext)), ext, folder);
            m_book.reserve(name, folder);
            plan.append({file, folder, name, std::nullopt, role, roleName});
            return;
        }

        const auto typeFolder = FormatFolder::name(mediaCategory::extensionOf(file.fileName()));
        const QString target = typeFolder ? joinPath(shoot, *typeFolder) : shoot;
        const TemplateRenderer::FileStem stem =
            TemplateRenderer::fileStem(m_naming.file, file, m_context, explicitDate(file));
        // Companions take the main file's stem with their own suffix and extension.
        qsizetype maxBytes = stemBytes(ext);
        for (const SidecarMatcher::Sidecar& sidecar : sidecars)
            maxBytes = std::min(maxBytes, stemBytes(nameExtension(sidecar.file)) -
                                              graphemes::utf8Size(sidecar.suffix));
        const QString name = stem.padding ? sequencedName(stem, ext, shoot, target, maxBytes)
                                          : unique(stem.name(std::nullopt, maxBytes), ext, target);
        m_book.reserve(name, target);
        plan.append({file, target, name, std::nullopt, FileRole::main, typeFolder});

        const QString base = ext.isEmpty() ? name : name.left(name.size() - ext.size() - 1);
        for (const SidecarMatcher::Sidecar& sidecar : sidecars) {
            std::optional<QString> sortFolder = OffloadPlanner::roleFolder(sidecar.role);
            if (!sortFolder)
                sortFolder =
                    FormatFolder::name(mediaCategory::extensionOf(sidecar.file.fileName()));
            const QString folder = sortFolder ? joinPath(shoot, *sortFolder) : shoot;
            const QString companion =
                unique(base + sidecar.suffix, nameExtension(sidecar.file), folder);
            m_book.reserve(companion, folder);
            plan.append(
                {sidecar.file, folder, companion, file.fileName(), sidecar.role, sortFolder});
        }
    }

    QString sequencedName(const TemplateRenderer::FileStem& stem, const QString& ext,
                          const QString& shoot, const QString& target, qsizetype maxBytes) {
        qsizetype lead = 0;
        while (lead < stem.before.size() &&
               (stem.before[lead] == u'.' || stem.before[lead] == u' '))
            ++lead;
        const QString prefix = NameRules::fold(stem.before.mid(lead));
        const QString fixedAfter = NameRules::fold(stem.fixedAfter);
        const QString key = NameRules::fold(shoot) + QChar(0) + prefix + QChar(0) + fixedAfter;

        auto next = m_nextSequence.find(key);
        if (next == m_nextSequence.end()) {
            qint64 highest = highestIn(shoot, prefix, fixedAfter, stem.afterIsFixed);
            QStringList typeFolders = m_typeFolders.value(NameRules::fold(shoot)).values();
            std::sort(typeFolders.begin(), typeFolders.end());
            for (const QString& folder : typeFolders)
                highest = std::max(highest, highestIn(joinPath(shoot, folder), prefix, fixedAfter,
                                                      stem.afterIsFixed));
            next = m_nextSequence.insert(key, highest + 1);
        }

        const auto named = [&](qint64 n) {
            return m_destination.safeStem(stem.name(n, maxBytes), ext);
        };
        qint64 n = *next;
        for (int tries = 0; tries < 100000; ++tries) {
            const QString finished = named(n);
            if (!m_book.isTaken(withExtension(finished, ext), target))
                break;
            // A number cut off by the length limit cannot make the name free.
            if (finished == named(n + 1))
                break;
            ++n;
        }
        *next = n + 1;
        return m_book.unique(named(n), ext, target);
    }

    // The first free name for the stem that the destination can hold.
    QString unique(const QString& stem, const QString& ext, const QString& folder) {
        return m_book.unique(m_destination.safeStem(stem, ext), ext, folder);
    }

    // The highest number in one folder's names on disk. The folded names are kept sorted, so
    // a prefix is found by binary search instead of a scan per counter.
    qint64 highestIn(const QString& folder, const QString& prefix, const QString& fixedAfter,
                     bool afterIsFixed) {
        const QString key = NameRules::fold(folder);
        auto sorted = m_sortedNames.find(key);
        if (sorted == m_sortedNames.end()) {
            QStringList folded;
            for (const QString& name : m_book.names(folder))
                folded.append(NameRules::fold(name));
            std::sort(folded.begin(), folded.end());
            sorted = m_sortedNames.insert(key, folded);
        }
        qint64 highest = 0;
        for (auto it = std::lower_bound(sorted->cbegin(), sorted->cend(), prefix);
             it != sorted->cend() && it->startsWith(prefix); ++it) {
            if (const auto n = sequenceOf(*it, prefix, fixedAfter, afterIsFixed))
                highest = std::max(highest, *n);
        }
        return highest;
    }

    const NamingTemplates& m_naming;
    const NamingContext& m_context;
    const FileRules& m_rules;
    const DestinationNameRules m_destination;
    NameBook m_book;
    const QDateTime m_now;
    QHash<QString, QString> m_shootSpelling;
    QHash<QString, QSet<QString>> m_typeFolders;
    QHash<QString, qint64> m_nextSequence;
    QHash<QString, QStringList> m_sortedNames;
};

QStringList readFolder(const QString& root, const QString& folder) {
    QByteArray path = fileNames::encode(root);
    if (!folder.isEmpty())
        path += '/' + fileNames::encode(folder);
    QStringList names;
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        names.append(fileNames::decode(name));
    }
    ::closedir(dir);
    return names;
}

} // namespace

QList<PlannedFile> OffloadPlanner::plan(const QList<Clip>& files, const NamingTemplates& naming,
                                        const NamingContext& context, const FileRules& rules,
                                        const Lister& existingNames,
                                        const DestinationNameRules& destination) {
    return PlanRun(naming, context, rules, existingNames, destination).plan(files);
}

OffloadPlanner::Lister OffloadPlanner::diskLister(std::optional<QString> root) {
    auto cache = std::make_shared<ListingCache>();
    return [root = std::move(root), cache](const QString& folder) -> QStringList {
        if (!root)
            return {};
        if (const auto it = cache->entries.constFind(folder); it != cache->entries.constEnd())
            return *it;
        QStringList names = readFolder(*root, folder);
        cache->entries.insert(folder, names);
        return names;
    };
}

OffloadPlanner::Lister OffloadPlanner::diskLister(const QStringList& roots) {
    QList<Lister> listers;
    for (const QString& root : roots)
        listers << diskLister(std::optional<QString>(root));
    return [listers](const QString& folder) {
        QStringList names;
        for (const Lister& list : listers)
            names << list(folder);
        names.removeDuplicates();
        return names;
    };
}

qint64 OffloadPlanner::highestSequence(const QStringList& names, const QString& prefix,
                                       const QString& fixedAfter, bool afterIsFixed) {
    const QString foldedPrefix = NameRules::fold(prefix);
    const QString foldedAfter = NameRules::fold(fixedAfter);
    qint64 highest = 0;
    for (const QString& name : names)
        if (const auto n =
                sequenceOf(NameRules::fold(name), foldedPrefix, foldedAfter, afterIsFixed))
            highest = std::max(highest, *n);
    return highest;
}

std::optional<QString> OffloadPlanner::roleFolder(FileRole role) {
    switch (role) {
    case FileRole::proxy:
        return QStringLiteral("Proxies");
    case FileRole::sidecar:
        return QStringLiteral("Sidecars");
    case FileRole::main:
        break;
    }
    return std::nullopt;
}

} // namespace stowly
