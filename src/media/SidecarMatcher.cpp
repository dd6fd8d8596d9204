#include "media/SidecarMatcher.h"

#include "base/FileNames.h"
#include "base/Graphemes.h"
#include "base/NameRules.h"
#include "media/MediaCategory.h"

#include <algorithm>

namespace stowly {
namespace {

struct NameParts {
    QString dir;
    QString stem;
    QString ext;
};

NameParts partsOf(const QString& relativePath) {
    const qsizetype slash = relativePath.lastIndexOf(u'/');
    NameParts parts;
    parts.dir = slash >= 0 ? relativePath.left(slash) : QString();
    const QString name = relativePath.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    parts.stem = dot >= 0 ? name.left(dot) : name;
    parts.ext = dot >= 0 ? name.mid(dot + 1).toLower() : QString();
    return parts;
}

QString keyOf(const QString& dir, const QString& stem) {
    return NameRules::fold(dir) + u'|' + NameRules::fold(stem);
}

bool isMediaExtension(const QString& ext) {
    return mediaCategory::isVideoExtension(ext) || mediaCategory::isPhotoExtension(ext);
}

QStringList splitGraphemes(const QString& text) {
    QStringList list;
    graphemes::forEach(text, [&list](QStringView g) { list.append(g.toString()); });
    return list;
}

bool isAsciiDigit(const QString& grapheme) {
    return grapheme.size() == 1 && grapheme[0] >= u'0' && grapheme[0] <= u'9';
}

} // namespace

std::optional<QString> SidecarMatcher::sonySuffix(const QString& stem) {
    if (graphemes::isSimple(stem)) {
        const qsizetype n = stem.size();
        if (n < 4 || (stem[n - 3] != u'M' && stem[n - 3] != u'm') || !stem[n - 2].isDigit() ||
            stem[n - 2].unicode() > 0x7f || !stem[n - 1].isDigit() || stem[n - 1].unicode() > 0x7f)
            return std::nullopt;
        return stem.right(3);
    }
    const QStringList g = splitGraphemes(stem);
    const qsizetype n = g.size();
    if (n < 4)
        return std::nullopt;
    if ((g[n - 3] != u"M" && g[n - 3] != u"m") || !isAsciiDigit(g[n - 2]) ||
        !isAsciiDigit(g[n - 1]))
        return std::nullopt;
    return g[n - 3] + g[n - 2] + g[n - 1];
}

SidecarMatcher::Result SidecarMatcher::match(const QList<Clip>& files, const FileRules& rules) {
    const auto isCompanionExtension = [&rules](const QString& ext) {
        return rules.proxyExtensions.contains(ext) || rules.sidecarExtensions.contains(ext);
    };

    struct Candidate {
        const Clip* file;
        NameParts parts;
    };
    QHash<QString, QString> primaries;
    primaries.reserve(files.size());
    QList<Candidate> candidates;
    for (const Clip& file : files) {
        NameParts parts = partsOf(file.relativePath);
        if (isMediaExtension(parts.ext) && !isCompanionExtension(parts.ext)) {
            const QString key = keyOf(parts.dir, parts.stem);
            if (!primaries.contains(key))
                primaries.insert(key, file.relativePath);
        } else {
            candidates.append({&file, std::move(parts)});
        }
    }
    std::stable_sort(
        candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
            return fileNames::codePointLess(a.file->relativePath, b.file->relativePath);
        });

    Result result;
    for (const auto& [candidate, parts] : candidates) {
        QString suffix;
        QString primary = primaries.value(keyOf(parts.dir, parts.stem));
        if (primary.isEmpty()) {
            if (const auto sony = sonySuffix(parts.stem)) {
                const QString base = parts.stem.left(parts.stem.size() - sony->size());
                primary = primaries.value(keyOf(parts.dir, base));
                if (!primary.isEmpty())
                    suffix = *sony;
            }
        }
        if (primary.isEmpty() && parts.stem.startsWith(u"gl", Qt::CaseInsensitive) &&
            graphemes::count(parts.stem) > 2 && graphemes::left(parts.stem, 2).size() == 2) {
            // Low-resolution copies of GoPro clips: GL… beside GX… (or GH… on older models).
            const QString rest = parts.stem.mid(2);
            primary = primaries.value(keyOf(parts.dir, QStringLiteral("gx") + rest));
            if (primary.isEmpty())
                primary = primaries.value(keyOf(parts.dir, QStringLiteral("gh") + rest));
        }
        if (primary.isEmpty() || primary == candidate->relativePath)
            continue;
        result.sidecars[primary].append({*candidate, suffix, rules.role(candidate->fileName())});
        result.primaryOf.insert(candidate->relativePath, primary);
    }
    return result;
}

} // namespace stowly
