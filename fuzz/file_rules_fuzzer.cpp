#include "Check.h"
#include "FuzzInput.h"

#include "media/FileRules.h"

#include <QJsonDocument>

#include <fnmatch.h>
#include <locale.h>

using namespace stowly;

namespace {

bool fnmatches(const QString& pattern, const QString& name) {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    const locale_t previous = uselocale(utf8);
    const bool matched = ::fnmatch(pattern.toUtf8().constData(), name.toUtf8().constData(), 0) == 0;
    uselocale(previous);
    return matched;
}

} // namespace

// Before the first NUL byte a pattern, after it a file name; the whole input also as the
// stored JSON form of the rules.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput::setUp();
    const QByteArray input = fuzzInput::bytes(data, size);
    const QJsonDocument document = QJsonDocument::fromJson(input);
    if (const std::optional<FileRules> rules = FileRules::fromJson(document.object())) {
        FUZZ_CHECK(FileRules::fromJson(rules->toJson()) == rules);
        FileRules cleaned = *rules;
        cleaned.proxyExtensions = FileRules::cleanExtensions(rules->proxyExtensions);
        cleaned.sidecarExtensions = FileRules::cleanExtensions(rules->sidecarExtensions);
        cleaned.ignorePatterns = FileRules::cleanPatterns(rules->ignorePatterns);
        // Cleaning what is clean changes nothing.
        FUZZ_CHECK(FileRules::cleanExtensions(cleaned.proxyExtensions) == cleaned.proxyExtensions);
        FUZZ_CHECK(FileRules::cleanPatterns(cleaned.ignorePatterns) == cleaned.ignorePatterns);
        for (const QString& name : {QStringLiteral("C0001.MP4"), QStringLiteral(".DS_Store")}) {
            cleaned.role(name);
            cleaned.isIgnored(name);
        }
    }

    const auto [patternBytes, nameBytes] = fuzzInput::split(input);
    const QString pattern = QString::fromUtf8(patternBytes);
    const QString name = QString::fromUtf8(nameBytes);
    const bool matched = FileRules::matches(name, pattern);
    FileRules::ignoresMainMedia(pattern);
    // The quick forms of "abc*" and "*abc" answer as the general wildcard match does.
    const QString lower = pattern.toLower();
    const bool simple = !lower.contains(u'[') && !lower.contains(u'\\') && !lower.contains(u'?') &&
                        lower.count(u'*') == 1 && (lower.startsWith(u'*') || lower.endsWith(u'*'));
    // A file name is never empty.
    if (simple && !name.isEmpty() && !name.contains(QChar(0)))
        FUZZ_CHECK(matched == fnmatches(lower, name.toLower()));
    return 0;
}
