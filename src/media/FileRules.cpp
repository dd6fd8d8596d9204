#include "media/FileRules.h"

#include "base/FileNames.h"
#include "media/MediaCategory.h"

#include <QByteArray>
#include <QJsonArray>
#include <QSet>

#include <fnmatch.h>
#include <locale.h>

namespace stowly {
namespace {

QStringList stringList(const QJsonValue& value, bool* ok) {
    QStringList list;
    if (!value.isArray()) {
        *ok = false;
        return list;
    }
    for (const QJsonValue& item : value.toArray()) {
        if (!item.isString()) {
            *ok = false;
            return list;
        }
        list.append(item.toString());
    }
    return list;
}

} // namespace

const FileRules& FileRules::standard() {
    static const FileRules rules{
        cleanExtensions({"lrv", "lrf"}),
        cleanExtensions({"thm", "xml", "srt"}),
        cleanPatterns({".DS_Store", "._*", ".Spotlight-V100", ".Trashes", ".fseventsd",
                       ".TemporaryItems", "Thumbs.db"}),
    };
    return rules;
}

std::optional<QString> FileRules::cleanExtension(const QString& entry) {
    QString text = fileNames::trimSpacesAndTabs(entry).toLower();
    while (text.startsWith(u'*') || text.startsWith(u'.'))
        text.remove(0, 1);
    if (text.isEmpty() || text.contains(u'/') || text.contains(u'.') || text.contains(u'*'))
        return std::nullopt;
    for (const QChar c : text)
        if (c.isSpace())
            return std::nullopt;
    return text;
}

QStringList FileRules::cleanExtensions(const QStringList& entries) {
    QStringList result;
    for (const QString& entry : entries) {
        const auto cleaned = cleanExtension(entry);
        if (cleaned && !result.contains(*cleaned))
            result.append(*cleaned);
    }
    return result;
}

QStringList FileRules::cleanPatterns(const QStringList& entries) {
    QStringList result;
    QSet<QString> seen;
    for (const QString& entry : entries) {
        const QString trimmed = fileNames::trimSpacesAndTabs(entry);
        if (trimmed.isEmpty() || trimmed.contains(u'/'))
            continue;
        const QString lower = trimmed.toLower();
        if (seen.contains(lower))
            continue;
        seen.insert(lower);
        result.append(trimmed);
    }
    return result;
}

FileRole FileRules::role(QStringView fileName) const {
    const QString ext = mediaCategory::extensionOf(fileName);
    if (ext.isEmpty())
        return FileRole::main;
    if (proxyExtensions.contains(ext))
        return FileRole::proxy;
    if (sidecarExtensions.contains(ext))
        return FileRole::sidecar;
    return FileRole::main;
}

namespace {

bool fnmatchUtf8(const QByteArray& pattern, const QString& lowerName) {
    // fnmatch works on the thread's character type; pin it to UTF-8 so "?" is one character
    // whatever locale the process runs in.
    static thread_local locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    const locale_t previous = utf8 ? uselocale(utf8) : locale_t(0);
    const QByteArray n = lowerName.toUtf8();
    const bool matched = ::fnmatch(pattern.constData(), n.constData(), 0) == 0;
    if (utf8)
        uselocale(previous);
    return matched;
}

bool hasWildcardSyntax(QStringView text) {
    for (const QChar c : text)
        if (c == u'*' || c == u'?' || c == u'[' || c == u'\\')
            return true;
    return false;
}

} // namespace

FileRules::IgnoreMatcher::IgnoreMatcher(const QStringList& patterns) {
    for (const QString& pattern : patterns) {
        if (pattern.isEmpty())
            continue;
        const QString lower = pattern.toLower();
        if (lower.contains(u'*') || lower.contains(u'?')) {
            // "abc*" and "*abc" are by far the most common; they need no fnmatch.
            if (lower.endsWith(u'*') && !hasWildcardSyntax(QStringView(lower).chopped(1)))
                m_patterns.append({Kind::prefix, lower.chopped(1), {}});
            else if (lower.startsWith(u'*') && !hasWildcardSyntax(QStringView(lower).mid(1)))
                m_patterns.append({Kind::suffix, lower.mid(1), {}});
            else
                m_patterns.append({Kind::wildcard, lower, lower.toUtf8()});
        } else if (lower.startsWith(u'.') && lower.size() >= 2 &&
                   !QStringView(lower).mid(1).contains(u'.')) {
            m_patterns.append({Kind::extension, lower, {}});
        } else {
            m_patterns.append({Kind::exact, lower, {}});
        }
    }
}

bool FileRules::IgnoreMatcher::matches(const QString& lowerName) const {
    for (const Pattern& p : m_patterns) {
        switch (p.kind) {
        case Kind::exact:
            if (lowerName == p.text)
                return true;
            break;
        case Kind::extension:
            if (lowerName == p.text ||
                (lowerName.size() > p.text.size() && lowerName.endsWith(p.text)))
                return true;
            break;
        case Kind::prefix:
            if (lowerName.startsWith(p.text))
                return true;
            break;
        case Kind::suffix:
            if (lowerName.endsWith(p.text))
                return true;
            break;
        case Kind::wildcard:
            if (fnmatchUtf8(p.utf8, lowerName))
                return true;
            break;
        }
    }
    return false;
}

bool FileRules::matches(QStringView name, QStringView pattern) {
    return IgnoreMatcher({pattern.toString()}).matches(name.toString().toLower());
}

bool FileRules::isIgnored(QStringView name) const {
    return IgnoreMatcher(ignorePatterns).matches(name.toString().toLower());
}

bool FileRules::ignoresMainMedia(QStringView pattern) {
    static const QStringList samples = [] {
        QStringList names;
        for (MediaCategory category : {MediaCategory::video, MediaCategory::photo})
            for (const QString& e : mediaCategory::extensions(category))
                names << "C0001." + e << "C0001." + e.toUpper() << "GX010001." + e;
        return names;
    }();
    for (const QString& sample : samples)
        if (matches(sample, pattern))
            return true;
    return false;
}

QJsonObject FileRules::toJson() const {
    return QJsonObject{
        {"proxyExtensions", QJsonArray::fromStringList(proxyExtensions)},
        {"sidecarExtensions", QJsonArray::fromStringList(sidecarExtensions)},
        {"ignorePatterns", QJsonArray::fromStringList(ignorePatterns)},
    };
}

std::optional<FileRules> FileRules::fromJson(const QJsonObject& object) {
    if (!object.contains("proxyExtensions") || !object.contains("sidecarExtensions") ||
        !object.contains("ignorePatterns"))
        return std::nullopt;
    bool ok = true;
    FileRules rules{stringList(object.value("proxyExtensions"), &ok),
                    stringList(object.value("sidecarExtensions"), &ok),
                    stringList(object.value("ignorePatterns"), &ok)};
    if (!ok)
        return std::nullopt;
    return rules;
}

size_t qHash(const FileRules& rules, size_t seed) {
    return qHashMulti(seed, rules.proxyExtensions, rules.sidecarExtensions, rules.ignorePatterns);
}

} // namespace stowly
