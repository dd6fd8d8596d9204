#include "copy/C4.h"

#include <QCryptographicHash>

#include <array>

namespace stowly {
namespace {

constexpr char alphabet[] = "123456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz";
constexpr int digestSize = 64;
constexpr int digitCount = 88;

int digitValue(QChar c) {
    for (int i = 0; i < 58; ++i)
        if (c == QLatin1Char(alphabet[i]))
            return i;
    return -1;
}

} // namespace

QString C4::id(QByteArrayView bytes) {
    return fromDigest(QCryptographicHash::hash(bytes, QCryptographicHash::Sha512));
}

QString C4::fromDigest(QByteArrayView digest) {
    // The digest as one big-endian number, divided by 58 over and over.
    std::array<unsigned char, digestSize> number{};
    std::copy(digest.begin(), digest.begin() + qMin<qsizetype>(digest.size(), digestSize),
              number.begin());
    QString digits(digitCount, QLatin1Char('1'));
    for (int position = digitCount - 1; position >= 0; --position) {
        unsigned remainder = 0;
        for (unsigned char& byte : number) {
            const unsigned value = (remainder << 8) | byte;
            byte = static_cast<unsigned char>(value / 58);
            remainder = value % 58;
        }
        digits[position] = QLatin1Char(alphabet[remainder]);
    }
    return QStringLiteral("c4") + digits;
}

std::optional<QByteArray> C4::digest(QStringView id) {
    if (id.size() != digitCount + 2 || !id.startsWith(u"c4"))
        return std::nullopt;
    std::array<unsigned char, digestSize> number{};
    for (const QChar c : id.mid(2)) {
        const int value = digitValue(c);
        if (value < 0)
            return std::nullopt;
        unsigned carry = unsigned(value);
        for (auto byte = number.rbegin(); byte != number.rend(); ++byte) {
            const unsigned product = unsigned(*byte) * 58 + carry;
            *byte = static_cast<unsigned char>(product & 0xff);
            carry = product >> 8;
        }
        // 88 digits can say more than 512 bits hold.
        if (carry != 0)
            return std::nullopt;
    }
    return QByteArray(reinterpret_cast<const char*>(number.data()), digestSize);
}

} // namespace stowly
