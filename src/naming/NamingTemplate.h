#pragma once

#include "naming/TemplateIssue.h"
#include "naming/TemplatePart.h"

#include <QList>
#include <QString>

#include <optional>

namespace stowly {

// A parsed folder or file template such as "{date}/{project}" or "{date}_{project}_{seq}".
struct NamingTemplate {
    enum class Kind { folder, file };

    struct ParseResult;

    Kind kind = Kind::file;
    // The text with spaces and tabs trimmed from both ends.
    QString raw;
    // One list of parts per folder level; exactly one for a file template.
    QList<QList<TemplatePart>> components;

    // Never fails outright: every problem becomes an issue, in the order it was found, each
    // message once.
    static ParseResult parse(const QString& text, Kind kind);

    bool contains(TemplateToken token) const;

    friend bool operator==(const NamingTemplate&, const NamingTemplate&) = default;
};

struct NamingTemplate::ParseResult {
    // Present exactly when no issue is an error.
    std::optional<NamingTemplate> template_;
    QList<TemplateIssue> issues;
};

} // namespace stowly
