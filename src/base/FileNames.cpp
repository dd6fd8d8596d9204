#include "base/FileNames.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace stowly::fileNames {

qsizetype utf8SequenceLength(const char* bytes, qsizetype available) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    const unsigned char c = p[0];
    if (c < 0x80)
        return 1;
    qsizetype length = 0;
    char32_t minimum = 0;
    char32_t value = 0;
    if ((c & 0xE0) == 0xC0) {
        length = 2;
        minimum = 0x80;
        value = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        length = 3;
        minimum = 0x800;
        value = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        length = 4;
        minimum = 0x10000;
        value = c & 0x07;
    } else {
        return 0;
    }
    if (length > available)
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (p[i] & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return length;
}

QString nameOf(QByteArrayView path) {
    return decode(path.sliced(path.lastIndexOf('/') + 1));
}

QString decode(QByteArrayView bytes) {
    bool ascii = true;
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes.data(), bytes.size());
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (!decoder.hasError())
        return text;

    QString result;
    result.reserve(bytes.size() + 8);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const qsizetype length = utf8SequenceLength(bytes.data() + i, size - i);
        if (length == 0) {
            result += QStringLiteral("%%1").arg(p[i], 2, 16, QChar(u'0')).toUpper();
            ++i;
        } else {
            result += QString::fromUtf8(reinterpret_cast<const char*>(p + i), length);
            i += length;
        }
    }
    return result;
}

QByteArray encode(const QString& path) {
    return path.toUtf8();
}

QString trimSpacesAndTabs(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(begin, end - begin).toString();
}

bool codePointLess(QStringView a, QStringView b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x == y)
            continue;
        // Surrogates (D800–DFFF) stand for code points above every unit from E000 up, so they
        // move past those; at the first difference that is all code-point order needs.
        const auto rank = [](char16_t unit) -> char32_t {
            if (unit >= 0xE000)
                return unit - 0x800;
            if (unit >= 0xD800)
                return char32_t(unit) + 0x2000;
            return unit;
        };
        return rank(x) < rank(y);
    }
    return a.size() < b.size();
}

} // namespace stowly::fileNames
