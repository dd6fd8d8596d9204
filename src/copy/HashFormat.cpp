#include "copy/HashFormat.h"

#include "copy/C4.h"

namespace stowly {
namespace {

// Hex digits of each hex format's value.
int hexLength(HashFormat format) {
    switch (format) {
    case HashFormat::md5:
    case HashFormat::xxh128:
        return 32;
    case HashFormat::sha1:
        return 40;
    case HashFormat::xxh3:
    case HashFormat::xxh64:
        return 16;
    case HashFormat::c4:
        break;
    }
    return 0;
}

} // namespace

const QList<HashFormat>& hashFormat::all() {
    static const QList<HashFormat> formats{HashFormat::c4,     HashFormat::md5,  HashFormat::sha1,
                                           HashFormat::xxh128, HashFormat::xxh3, HashFormat::xxh64};
    return formats;
}

QString hashFormat::name(HashFormat format) {
    switch (format) {
    case HashFormat::c4:
        return QStringLiteral("c4");
    case HashFormat::md5:
        return QStringLiteral("md5");
    case HashFormat::sha1:
        return QStringLiteral("sha1");
    case HashFormat::xxh128:
        return QStringLiteral("xxh128");
    case HashFormat::xxh3:
        return QStringLiteral("xxh3");
    case HashFormat::xxh64:
        return QStringLiteral("xxh64");
    }
    return {};
}

std::optional<HashFormat> hashFormat::fromName(QStringView text) {
    for (const HashFormat format : all())
        if (text == name(format))
            return format;
    return std::nullopt;
}

std::optional<QByteArray> hashFormat::decode(HashFormat format, QStringView value) {
    if (format == HashFormat::c4)
        return C4::digest(value);
    if (value.size() != hexLength(format))
        return std::nullopt;
    for (const QChar c : value)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return std::nullopt;
    return QByteArray::fromHex(value.toLatin1());
}

QMap<QString, QString> hashFormat::named(const QMap<HashFormat, QString>& values) {
    QMap<QString, QString> byName;
    for (auto [format, value] : values.asKeyValueRange())
        byName.insert(name(format), value);
    return byName;
}

} // namespace stowly
