#pragma once

#include "media/FileRole.h"

#include <QJsonObject>
#include <QStringList>

#include <optional>

namespace stowly {

// The user's extension lists for proxies and sidecars, and the names that are never copied.
struct FileRules {
    QStringList proxyExtensions;
    QStringList sidecarExtensions;
    QStringList ignorePatterns;

    static const FileRules& standard();

    static std::optional<QString> cleanExtension(const QString& entry);
    static QStringList cleanExtensions(const QStringList& entries);
    static QStringList cleanPatterns(const QStringList& entries);

    FileRole role(QStringView fileName) const;
    static bool matches(QStringView name, QStringView pattern);
    bool isIgnored(QStringView name) const;
    static bool ignoresMainMedia(QStringView pattern);

    // The ignore list prepared once for testing many names (a card walk).
    class IgnoreMatcher {
    public:
        explicit IgnoreMatcher(const QStringList& patterns);
        // lowerName is the name already lower-cased.
        bool matches(const QString& lowerName) const;

    private:
        enum class Kind { exact, extension, prefix, suffix, wildcard };
        struct Pattern {
            Kind kind;
            QString text; // lower case; for prefix and suffix without the "*"
            QByteArray utf8;
        };
        QList<Pattern> m_patterns;
    };

    QJsonObject toJson() const;
    // All three keys are required; entries are taken as stored.
    static std::optional<FileRules> fromJson(const QJsonObject& object);

    friend bool operator==(const FileRules&, const FileRules&) = default;
};

size_t qHash(const FileRules& rules, size_t seed = 0);

} // namespace stowly
