#include "naming/NamingTemplate.h"

#include "base/FileNames.h"
#include "base/NameRules.h"

#include <QCoreApplication>
#include <QList>
#include <QSet>

namespace stowly {
namespace {

QString missingClose() {
    return QCoreApplication::translate("NamingTemplate", "A “{” is missing its closing “}”.");
}

// Parses the text of one folder level (or the whole file template) into parts.
class LevelParser {
public:
    LevelParser(NamingTemplate::Kind kind, QList<TemplateIssue>& issues)
        : m_kind(kind), m_issues(issues) {}

    QList<TemplatePart> parse(const QString& level) {
        const qsizetype size = level.size();
        qsizetype i = 0;
        while (i < size) {
            const QChar c = level[i];
            if (c == u'{') {
                const qsizetype close = level.indexOf(u'}', i);
                if (close < 0) {
                    error(missingClose());
                    m_pending += QStringView(level).mid(i);
                    break;
                }
                const QString inner = level.mid(i + 1, close - i - 1);
                if (inner.contains(u'{')) {
                    error(missingClose());
                } else if (auto part = parseToken(inner)) {
                    flush();
                    m_parts.append(*part);
                }
                // A bad token leaves the pending literal alone, so the text on both sides
                // stays one literal.
                i = close + 1;
            } else if (c == u'}') {
                error(QCoreApplication::translate("NamingTemplate",
                                                  "There’s a “}” without a matching “{”."));
                ++i;
            } else {
                m_pending += c;
                ++i;
            }
        }
        flush();
        if (!m_parts.isEmpty()) {
            if (const auto* literal = m_parts.first().asLiteral();
                literal && fileNames::trimSpacesAndTabs(literal->text).startsWith(u'.'))
                error(QStringLiteral(
                    "Names can’t start with “.” — the file or folder would be hidden."));
        }
        return std::move(m_parts);
    }

private:
    void error(const QString& message) { m_issues.append(TemplateIssue::error(message)); }

    void flush() {
        if (m_pending.isEmpty())
            return;
        for (const char32_t c : m_pending.toUcs4()) {
            if (c == u'/')
                error(QCoreApplication::translate(
                    "NamingTemplate",
                    "“/” isn’t allowed in the file name. Use the folder structure for folders."));
            else if (NameRules::isIllegal(c))
                error(QCoreApplication::translate("NamingTemplate",
                                                  "“%1” isn’t allowed in file or folder names.")
                          .arg(QChar(char16_t(c))));
            else if (NameRules::isControlOrFormat(c))
                error(QCoreApplication::translate("NamingTemplate",
                                                  "Names can’t contain tabs or line breaks."));
        }
        m_parts.append(TemplatePart::literal(m_pending));
        m_pending.clear();
    }

    std::optional<TemplatePart> parseToken(const QString& inner) {
        const qsizetype colon = inner.indexOf(u':');
        const QString writtenName = colon >= 0 ? inner.left(colon) : inner;
        const QString name = fileNames::trimSpacesAndTabs(writtenName).toLower();
        if (name.isEmpty()) {
            error(QCoreApplication::translate(
                "NamingTemplate", "“{}” is an empty token. Pick one from the list below."));
            return std::nullopt;
        }
        const auto token = templateToken::fromName(name);
        if (!token) {
            error(QCoreApplication::translate("NamingTemplate", "{%1} isn’t a known token.")
                      .arg(writtenName));
            return std::nullopt;
        }
        std::optional<int> padding;
        if (colon >= 0) {
            if (*token != TemplateToken::seq) {
                error(QCoreApplication::translate("NamingTemplate",
                                                  "Only {seq} can take a number, like {seq:3}."));
                return std::nullopt;
            }
            padding = width(fileNames::trimSpacesAndTabs(QStringView(inner).mid(colon + 1)));
            if (!padding) {
                error(QCoreApplication::translate(
                    "NamingTemplate", "{seq:…} needs a number from 1 to 9, like {seq:3}."));
                return std::nullopt;
            }
        }
        if (*token == TemplateToken::seq && m_kind == NamingTemplate::Kind::folder) {
            error(QCoreApplication::translate("NamingTemplate",
                                              "{seq} only works in the file name."));
            return std::nullopt;
        }
        return TemplatePart::token(*token, padding);
    }

    // A decimal integer from 1 to 9, with an optional sign.
    static std::optional<int> width(const QString& text) {
        qsizetype i = 0;
        bool negative = false;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
            negative = text[i] == u'-';
            ++i;
        }
        if (i == text.size())
            return std::nullopt;
        qint64 value = 0;
        for (; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return std::nullopt;
            value = std::min<qint64>(value * 10 + (c - u'0'), 1000);
        }
        if (negative || value < 1 || value > 9)
            return std::nullopt;
        return int(value);
    }

    NamingTemplate::Kind m_kind;
    QList<TemplateIssue>& m_issues;
    QList<TemplatePart> m_parts;
    QString m_pending;
};

QList<TemplateIssue> withoutRepeats(const QList<TemplateIssue>& issues) {
    QList<TemplateIssue> kept;
    QSet<QString> seen;
    for (const TemplateIssue& issue : issues) {
        if (!seen.contains(issue.message)) {
            seen.insert(issue.message);
            kept.append(issue);
        }
    }
    return kept;
}

} // namespace

NamingTemplate::ParseResult NamingTemplate::parse(const QString& text, Kind kind) {
    NamingTemplate result;
    result.kind = kind;
    result.raw = fileNames::trimSpacesAndTabs(text);
    QList<TemplateIssue> issues;

    QStringList levels;
    if (kind == Kind::file) {
        if (result.raw.isEmpty())
            return {std::nullopt,
                    {TemplateIssue::error(QCoreApplication::translate(
                        "NamingTemplate", "The file name can’t be empty."))}};
        levels.append(result.raw);
    } else if (!result.raw.isEmpty()) {
        levels = result.raw.split(u'/');
        for (const QString& level : levels) {
            if (fileNames::trimSpacesAndTabs(level).isEmpty()) {
                issues.append(TemplateIssue::error(QCoreApplication::translate(
                    "NamingTemplate",
                    "A folder level is empty. Check for “//” or a “/” at the start or end.")));
                break;
            }
        }
    }

    for (const QString& level : levels) {
        if (fileNames::trimSpacesAndTabs(level).isEmpty())
            continue;
        result.components.append(LevelParser(kind, issues).parse(level));
    }

    if (kind == Kind::file) {
        qsizetype seqCount = 0;
        bool hasOriginal = false;
        for (const auto& level : result.components) {
            for (const TemplatePart& part : level) {
                seqCount += part.isToken(TemplateToken::seq) ? 1 : 0;
                hasOriginal = hasOriginal || part.isToken(TemplateToken::original);
            }
        }
        if (seqCount > 1)
            issues.append(TemplateIssue::error(
                QCoreApplication::translate("NamingTemplate", "Use {seq} only once.")));
        if (seqCount == 0 && !hasOriginal)
            issues.append(TemplateIssue::warning(QCoreApplication::translate(
                "NamingTemplate",
                "Without {seq} or {original}, files that would get the same name get “_2”, "
                "“_3”… added.")));
    }

    issues = withoutRepeats(issues);
    for (const TemplateIssue& issue : issues)
        if (issue.severity == TemplateIssue::Severity::error)
            return {std::nullopt, issues};
    return {result, issues};
}

bool NamingTemplate::contains(TemplateToken token) const {
    for (const auto& level : components)
        for (const TemplatePart& part : level)
            if (part.isToken(token))
                return true;
    return false;
}

} // namespace stowly
