#include "base/NameRules.h"

#include "base/FileNames.h"
#include "base/Graphemes.h"

#include <QChar>
#include <QList>

namespace stowly {
namespace {

bool isUnsafe(char32_t c) {
    return c == u'/' || NameRules::isIllegal(c) || NameRules::isControlOrFormat(c);
}

bool holdsUnsafe(QStringView grapheme) {
    for (const char32_t c : grapheme.toUcs4())
        if (isUnsafe(c))
            return true;
    return false;
}

} // namespace

const QString& NameRules::illegalCharacters() {
    static const QString characters = QStringLiteral(":\\*?\"<>|");
    return characters;
}

bool NameRules::isControlOrFormat(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Other_Format;
}

QString NameRules::safeComponent(const QString& text) {
    QString replaced;
    if (graphemes::isSimple(text)) {
        replaced = text;
        for (QChar& c : replaced)
            if (isUnsafe(c.unicode()))
                c = u'-';
    } else {
        // A grapheme holding an unsafe code point goes as a whole: a "/" under a combining
        // mark must not survive into a path.
        replaced.reserve(text.size());
        graphemes::forEach(text, [&replaced](QStringView g) {
            if (holdsUnsafe(g))
                replaced += u'-';
            else
                replaced += g;
        });
    }
    // Dots and spaces are stripped together until neither leads, so ". .x" cannot come out as
    // the hidden name ".x".
    QString result = fileNames::trimSpacesAndTabs(replaced);
    while (result.startsWith(u'.')) {
        qsizetype dots = 0;
        while (dots < result.size() && result[dots] == u'.')
            ++dots;
        result = fileNames::trimSpacesAndTabs(QStringView(result).mid(dots));
    }
    return result;
}

} // namespace stowly
