#include "cli/TerminalText.h"

#include "base/Quoted.h"

namespace stowly {
namespace {

// Unicode's bidirectional controls (Bidi_Control): a terminal obeys them, so a name could show
// its letters in another order than they are stored ("clip\u202e4pm.exe" reads "clipexe.mp4").
bool isBidiControl(char16_t c) {
    return c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || isBidiControl(c);
}

QString escaped(QStringView text, bool keepLineBreaks) {
    qsizetype first = 0;
    while (first < text.size() &&
           (!isControl(text[first].unicode()) || (keepLineBreaks && text[first] == u'\n')))
        ++first;
    if (first == text.size())
        return text.toString();
    QString result = text.first(first).toString();
    for (qsizetype i = first; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!isControl(c) || (keepLineBreaks && c == u'\n')) {
            result += QChar(c);
            continue;
        }
        switch (c) {
        case u'\n':
            result += QLatin1StringView("\\n");
            break;
        case u'\t':
            result += QLatin1StringView("\\t");
            break;
        case u'\r':
            result += QLatin1StringView("\\r");
            break;
        case 0x1b:
            result += QLatin1StringView("\\e");
            break;
        default:
            result += c > 0xff ? QStringLiteral("\\u%1").arg(int(c), 4, 16, QChar(u'0'))
                               : QStringLiteral("\\x%1").arg(int(c), 2, 16, QChar(u'0'));
        }
    }
    return result;
}

} // namespace

QString TerminalText::name(QStringView text) {
    return escaped(text, false);
}

QString TerminalText::lines(QStringView text) {
    return escaped(text, true);
}

QString TerminalText::quotedName(QStringView text) {
    return quoted(name(text));
}

} // namespace stowly
