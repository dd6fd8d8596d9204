#include "naming/TemplateDescription.h"

#include "base/FileNames.h"
#include "naming/TemplateToken.h"

#include <QStringList>

namespace stowly {

QString TemplateDescription::level(const QString& text) {
    QString result;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype close = text[i] == u'{' ? text.indexOf(u'}', i + 1) : -1;
        if (close < 0) {
            result += text[i];
            ++i;
            continue;
        }
        const QString inner = text.mid(i + 1, close - i - 1);
        const qsizetype colon = inner.indexOf(u':');
        // Trimmed like the parser does, so "{ date }" reads as Date too.
        const QString name =
            fileNames::trimSpacesAndTabs(colon >= 0 ? inner.left(colon) : inner).toLower();
        if (const auto token = templateToken::fromName(name)) {
            result += templateToken::title(*token);
        } else {
            result += inner;
        }
        i = close + 1;
    }
    return result;
}

QString TemplateDescription::levels(const QString& folderTemplate) {
    QStringList described;
    for (const QString& piece : folderTemplate.split(u'/')) {
        const QString trimmed = piece.trimmed();
        if (!trimmed.isEmpty())
            described.append(level(trimmed));
    }
    return described.join(QStringLiteral(" / "));
}

} // namespace stowly
