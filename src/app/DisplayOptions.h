#pragma once

#include <QString>

#include <optional>

namespace stowly {

// The colour theme of the windows; stored by its raw text ("default" for standard).
enum class ThemeID { standard, aurora, ocean, twilight, ember, forest };

// Light or dark windows, or whatever the desktop uses.
enum class AppAppearance { system, light, dark };

// How the files of a card are shown.
enum class MediaLayout { list, grid };

namespace displayOptions {

QString rawValue(ThemeID theme);
QString rawValue(AppAppearance appearance);
QString rawValue(MediaLayout layout);

// None for a text that names no case.
std::optional<ThemeID> themeFromRawValue(const QString& raw);
std::optional<AppAppearance> appearanceFromRawValue(const QString& raw);
std::optional<MediaLayout> layoutFromRawValue(const QString& raw);

} // namespace displayOptions
} // namespace stowly
