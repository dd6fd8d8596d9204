#include "app/settings/PseudoTranslator.h"

namespace stowly {
namespace {

QChar accented(QChar c) {
    static const QString plain = QStringLiteral("aceinousyACEINOUSYdDgGhHlLrRtTzZ");
    static const QString marked = QStringLiteral("áçéîñöûšýÅÇÉÎÑÖÛŠÝďĎĝĜĥĤļĻŕŔţŢžŽ");
    const qsizetype at = plain.indexOf(c);
    return at >= 0 ? marked[at] : c;
}

// Where a piece that must keep its form ends, or `from` when none starts there.
qsizetype keptUntil(const QString& text, qsizetype from) {
    const QChar c = text[from];
    const auto closing = [&](QChar end) {
        const qsizetype at = text.indexOf(end, from + 1);
        return at < 0 ? from : at + 1;
    };
    if (c == u'%') {
        qsizetype end = from + 1;
        if (end < text.size() && text[end] == u'L')
            ++end;
        if (end < text.size() && text[end] == u'n')
            return end + 1;
        while (end < text.size() && text[end].isDigit())
            ++end;
        return end > from + 1 && text[end - 1].isDigit() ? end : from;
    }
    if (c == u'<')
        return closing(u'>');
    if (c == u'{')
        return closing(u'}');
    if (c == u'&' && from + 1 < text.size()) {
        // An entity, or the mnemonic's letter.
        const qsizetype semicolon = text.indexOf(u';', from);
        if (semicolon > from && semicolon - from < 8 &&
            !text.mid(from, semicolon - from).contains(u' '))
            return semicolon + 1;
        return from + 2;
    }
    return from;
}

} // namespace

QString PseudoTranslator::translate(const char*, const char* sourceText, const char*, int) const {
    return sourceText ? lengthened(QString::fromUtf8(sourceText)) : QString();
}

QString PseudoTranslator::lengthened(const QString& text) {
    QString out;
    qsizetype letters = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (const qsizetype end = keptUntil(text, i); end > i) {
            out += text.mid(i, end - i);
            i = end;
            continue;
        }
        if (text[i].isLetter())
            ++letters;
        out += accented(text[i]);
        ++i;
    }
    if (letters == 0)
        return text;
    // About 40 % more, in letters that wrap and measure like words.
    static const QString filler = QStringLiteral("ļöŕéɱ îƥšûɱ ďöļöŕ šîţ áɱéţ çöñšéçţéţûŕ ");
    const qsizetype extra = (text.size() * 2 + 4) / 5;
    QString padding;
    while (padding.size() < extra)
        padding += filler;
    padding.truncate(extra);
    return u'[' + out + u' ' + padding.trimmed() + u']';
}

} // namespace stowly
