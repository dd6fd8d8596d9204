#include "naming/Renamer.h"

#include "base/Graphemes.h"

#include <QList>

namespace stowly {

QString Renamer::sanitizeName(const QString& text, int maxLength) {
    QString result;
    result.reserve(text.size());
    bool capitaliseNext = true;
    // Whole graphemes are kept or dropped by their first code point, so an accent written as
    // a combining mark stays with its letter.
    graphemes::forEach(text, [&](QStringView grapheme) {
        const char32_t first = grapheme.toUcs4().value(0);
        if (grapheme == u"-") {
            result += grapheme;
        } else if (QChar::isLetter(first) || (first >= u'0' && first <= u'9')) {
            result += capitaliseNext ? grapheme.toString().toUpper() : grapheme.toString();
            capitaliseNext = false;
        } else {
            capitaliseNext = true;
        }
    });
    qsizetype begin = 0;
    qsizetype end = result.size();
    while (begin < end && result[begin] == u'-')
        ++begin;
    while (end > begin && result[end - 1] == u'-')
        --end;
    return graphemes::left(result.mid(begin, end - begin), maxLength);
}

} // namespace stowly
