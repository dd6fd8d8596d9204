#include "base/Graphemes.h"

#include <QTextBoundaryFinder>

namespace stowly::graphemes {

bool isSimple(QStringView text) {
    // Below U+0300 no character combines with its neighbour; only CR LF forms one cluster.
    char16_t previous = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x300 || (previous == u'\r' && u == u'\n'))
            return false;
        previous = u;
    }
    return true;
}

void forEach(QStringView text, const std::function<void(QStringView)>& visit) {
    if (isSimple(text)) {
        for (qsizetype i = 0; i < text.size(); ++i)
            visit(text.mid(i, 1));
        return;
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > start; end = finder.toNextBoundary()) {
        visit(text.mid(start, end - start));
        start = end;
    }
}

qsizetype count(QStringView text) {
    if (isSimple(text))
        return text.size();
    qsizetype n = 0;
    forEach(text, [&n](QStringView) { ++n; });
    return n;
}

QString left(const QString& text, qsizetype count) {
    if (count <= 0)
        return {};
    if (isSimple(text))
        return text.left(count);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (qsizetype n = 0; n < count; ++n) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            break;
        end = next;
    }
    return text.left(end);
}

qsizetype utf8Size(QStringView text) {
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80)
            bytes += 1;
        else if (u < 0x800)
            bytes += 2;
        else if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            bytes += 4, ++i;
        else
            bytes += 3;
    }
    return bytes;
}

QString leftBytes(const QString& text, qsizetype maxBytes) {
    qsizetype end = 0;
    qsizetype bytes = 0;
    bool full = false;
    forEach(text, [&](QStringView grapheme) {
        if (full)
            return;
        bytes += utf8Size(grapheme);
        if (bytes > maxBytes) {
            full = true;
            return;
        }
        end += grapheme.size();
    });
    return text.left(end);
}

} // namespace stowly::graphemes
