#pragma once

#include <QLatin1StringView>
#include <QMetaEnum>
#include <QString>
#include <QStringView>

#include <optional>

namespace stowly::enumNames {

// The name of an enum case registered with Q_ENUM_NS, as stored in files and settings.
template <typename E> QString name(E value) {
    return QString::fromLatin1(QMetaEnum::fromType<E>().valueToKey(int(value)));
}

// Exactly one case's name, case-sensitively. QMetaEnum::keyToValue would also take a qualified
// "Type::name", which stored values never hold.
template <typename E> std::optional<E> fromName(QStringView text) {
    const QMetaEnum meta = QMetaEnum::fromType<E>();
    for (int i = 0; i < meta.keyCount(); ++i)
        if (text == QLatin1StringView(meta.key(i)))
            return E(meta.value(i));
    return std::nullopt;
}

} // namespace stowly::enumNames
