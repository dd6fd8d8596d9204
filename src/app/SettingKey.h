#pragma once

#include <QLatin1StringView>
#include <QString>

namespace stowly {

// A setting's stored key together with the type of its value, so that reading or writing a
// setting through AppSettings is checked when compiling.
template <typename T> struct SettingKey {
    using Value = T;

    const char* name;

    QLatin1StringView view() const { return QLatin1StringView(name); }
};

} // namespace stowly
