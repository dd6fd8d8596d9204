#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace stowly {

namespace mediaCategory {
Q_NAMESPACE

// Which kind of media a file is, decided by its extension alone.
enum class MediaCategory { video, photo, audio, other };
Q_ENUM_NS(MediaCategory)

inline constexpr std::array<MediaCategory, 4> allCases{MediaCategory::video, MediaCategory::photo,
                                                       MediaCategory::audio, MediaCategory::other};

// Takes an extension without the dot, in any case.
MediaCategory classify(QStringView extension);

// The fixed extensions of a category, lower case, in their documented order (empty for other).
const QStringList& extensions(MediaCategory category);

// Extension tests on an already lower-cased extension.
bool isVideoExtension(QStringView lowerExtension);
bool isPhotoExtension(QStringView lowerExtension);
bool isAudioExtension(QStringView lowerExtension);

bool isPrimaryMedia(MediaCategory category);
QString rawValue(MediaCategory category);
std::optional<MediaCategory> fromRawValue(QStringView raw);
QString iconName(MediaCategory category);
// "3 video"
QString countText(MediaCategory category, qint64 count);

// The lower-cased text after the last "." of the last path component; empty when there is none.
QString extensionOf(QStringView fileName);

} // namespace mediaCategory

using mediaCategory::MediaCategory;
} // namespace stowly
