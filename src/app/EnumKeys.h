#pragma once

#include <QMetaEnum>
#include <QString>

#include <optional>

namespace stowly::enumKeys {

// A case's name, as stored; empty for a value that names no case.
template <typename Enum> QString key(Enum value) {
    return QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(int(value)));
}

// The case with exactly this name. QMetaEnum also takes scoped names ("Enum::case"), which
// stored text never holds, so the name read back must equal the text.
template <typename Enum> std::optional<Enum> fromKey(const QString& text) {
    const QMetaEnum meta = QMetaEnum::fromType<Enum>();
    bool ok = false;
    const int value = meta.keyToValue(text.toLatin1().constData(), &ok);
    if (!ok || QLatin1StringView(meta.valueToKey(value)) != text)
        return std::nullopt;
    return Enum(value);
}

} // namespace stowly::enumKeys
