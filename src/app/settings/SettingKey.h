#pragma once

#include <QLatin1StringView>
#include <QString>

namespace stowly {

// A setting's stored key together with the type of its value. Its row in the settings table is
// made from it, so that row, readers and writers all agree on the type when compiling.
template <typename T> struct SettingKey {
    using Value = T;

    const char* name;

    QLatin1StringView view() const { return QLatin1StringView(name); }
    // Watching for changes needs only the name, whatever the type.
    operator QLatin1StringView() const { return view(); }
};

} // namespace stowly
