#pragma once

#include "app/DisplayOptions.h"

namespace stowly::test {

// The looks every screenshot is drawn in: the default theme light and dark, and a colour theme.
struct Look {
    const char* name;
    ThemeID theme;
    AppAppearance appearance;
    bool isDark() const { return appearance == AppAppearance::dark; }
};
inline constexpr Look looks[] = {{"default-dark", ThemeID::standard, AppAppearance::dark},
                                 {"default-light", ThemeID::standard, AppAppearance::light},
                                 {"ocean-dark", ThemeID::ocean, AppAppearance::dark}};

} // namespace stowly::test
