#include "naming/TemplateMigration.h"

#include "base/NameRules.h"

#include <QRegularExpression>

namespace stowly {
namespace {

const QString projectToken = QStringLiteral("{project}");

// Once shoot became project, "{shoot}_{project}" says the same thing twice.
QString collapseRepeatedProject(QString text) {
    static const QRegularExpression repeated(QStringLiteral(R"(\{project\}[_\- ]?\{project\})"));
    for (;;) {
        QString next = text;
        next.replace(repeated, projectToken);
        if (next == text)
            return text;
        text = std::move(next);
    }
}

} // namespace

QString TemplateMigration::migrate(const QString& text, NamingTemplate::Kind kind) {
    static const QRegularExpression shoot(QStringLiteral(R"(\{\s*shoot\s*\})"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (!text.contains(shoot))
        return text;
    QString rewritten = text;
    rewritten.replace(shoot, projectToken);
    if (kind == NamingTemplate::Kind::file)
        return collapseRepeatedProject(rewritten);

    QStringList kept;
    for (const QString& piece : rewritten.split(u'/')) {
        const QString collapsed = collapseRepeatedProject(piece);
        if (!kept.isEmpty() && collapsed.trimmed() == projectToken &&
            kept.last().trimmed() == projectToken)
            continue;
        kept.append(collapsed);
    }
    return kept.join(u'/');
}

} // namespace stowly
