#include "app/settings/DisplayOptions.h"

#include "base/EnumNames.h"

#include <array>
#include <utility>

namespace stowly::displayOptions {
namespace {

template <typename Enum, std::size_t N>
QString rawOf(const std::array<std::pair<Enum, const char16_t*>, N>& names, Enum value) {
    for (const auto& [e, name] : names)
        if (e == value)
            return QString::fromUtf16(name);
    return QString();
}

template <typename Enum, std::size_t N>
std::optional<Enum> caseOf(const std::array<std::pair<Enum, const char16_t*>, N>& names,
                           const QString& raw) {
    for (const auto& [e, name] : names)
        if (raw == QStringView(name))
            return e;
    return std::nullopt;
}

constexpr std::array<std::pair<ThemeID, const char16_t*>, 6> themes{{
    {ThemeID::standard, u"default"},
    {ThemeID::aurora, u"aurora"},
    {ThemeID::ocean, u"ocean"},
    {ThemeID::twilight, u"twilight"},
    {ThemeID::ember, u"ember"},
    {ThemeID::forest, u"forest"},
}};

} // namespace

QString rawValue(ThemeID theme) {
    return rawOf(themes, theme);
}

QString rawValue(AppAppearance appearance) {
    return enumNames::name(appearance);
}

QString rawValue(MediaLayout layout) {
    return enumNames::name(layout);
}

std::optional<ThemeID> themeFromRawValue(const QString& raw) {
    return caseOf(themes, raw);
}

std::optional<AppAppearance> appearanceFromRawValue(const QString& raw) {
    return enumNames::fromName<AppAppearance>(raw);
}

std::optional<MediaLayout> layoutFromRawValue(const QString& raw) {
    return enumNames::fromName<MediaLayout>(raw);
}

} // namespace stowly::displayOptions
