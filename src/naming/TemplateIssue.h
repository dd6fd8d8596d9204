#pragma once

#include <QString>

namespace stowly {

// One problem found in a template text, worded for the user.
struct TemplateIssue {
    enum class Severity { error, warning };

    Severity severity = Severity::error;
    QString message;

    static TemplateIssue error(QString message) { return {Severity::error, std::move(message)}; }
    static TemplateIssue warning(QString message) {
        return {Severity::warning, std::move(message)};
    }

    friend bool operator==(const TemplateIssue&, const TemplateIssue&) = default;
};

} // namespace stowly
