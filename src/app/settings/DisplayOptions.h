#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace stowly {

// The colour theme of the windows; stored by its raw text ("default" for standard).
enum class ThemeID { standard, aurora, ocean, twilight, ember, forest };

namespace displayOptions {
Q_NAMESPACE

// Light or dark windows, or whatever the desktop uses; stored by its case name.
enum class AppAppearance { system, light, dark };
Q_ENUM_NS(AppAppearance)

// How the files of a card are shown; stored by its case name.
enum class MediaLayout { list, grid };
Q_ENUM_NS(MediaLayout)

} // namespace displayOptions

using displayOptions::AppAppearance;
using displayOptions::MediaLayout;

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
