#include "media/MediaCategory.h"

#include "base/EnumNames.h"

#include <QSet>

namespace stowly::mediaCategory {
namespace {

const QStringList videoList{"mp4", "mov",  "m4v", "mxf", "braw", "r3d", "crm",
                            "mts", "m2ts", "avi", "mkv", "insv", "360"};
const QStringList photoList{"jpg", "jpeg", "heic", "heif", "png", "tif", "tiff",
                            "dng", "arw",  "cr2",  "cr3",  "nef", "raf", "orf",
                            "rw2", "srw",  "pef",  "gpr",  "insp"};
const QStringList audioList{"wav", "mp3", "aac", "m4a", "bwf", "aif", "aiff", "flac"};

const QSet<QString>& videoSet() {
    static const QSet<QString> set(videoList.begin(), videoList.end());
    return set;
}

const QSet<QString>& photoSet() {
    static const QSet<QString> set(photoList.begin(), photoList.end());
    return set;
}

const QSet<QString>& audioSet() {
    static const QSet<QString> set(audioList.begin(), audioList.end());
    return set;
}

} // namespace

const QStringList& extensions(MediaCategory category) {
    static const QStringList none;
    switch (category) {
    case MediaCategory::video:
        return videoList;
    case MediaCategory::photo:
        return photoList;
    case MediaCategory::audio:
        return audioList;
    case MediaCategory::other:
        break;
    }
    return none;
}

bool isVideoExtension(QStringView e) {
    return videoSet().contains(e.toString());
}
bool isPhotoExtension(QStringView e) {
    return photoSet().contains(e.toString());
}
bool isAudioExtension(QStringView e) {
    return audioSet().contains(e.toString());
}

MediaCategory classify(QStringView extension) {
    const QString lower = extension.toString().toLower();
    if (lower.isEmpty())
        return MediaCategory::other;
    if (videoSet().contains(lower))
        return MediaCategory::video;
    if (photoSet().contains(lower))
        return MediaCategory::photo;
    if (audioSet().contains(lower))
        return MediaCategory::audio;
    return MediaCategory::other;
}

bool isPrimaryMedia(MediaCategory category) {
    return category == MediaCategory::video || category == MediaCategory::photo;
}

QString rawValue(MediaCategory category) {
    return enumNames::name(category);
}

std::optional<MediaCategory> fromRawValue(QStringView raw) {
    return enumNames::fromName<MediaCategory>(raw);
}

QString iconName(MediaCategory category) {
    switch (category) {
    case MediaCategory::video:
        return QStringLiteral("film");
    case MediaCategory::photo:
        return QStringLiteral("photo");
    case MediaCategory::audio:
        return QStringLiteral("waveform");
    case MediaCategory::other:
        break;
    }
    return QStringLiteral("doc");
}

QString countText(MediaCategory category, qint64 count) {
    return QString::number(count) + u' ' + rawValue(category);
}

QString extensionOf(QStringView fileName) {
    const qsizetype slash = fileName.lastIndexOf(u'/');
    const QStringView last = slash >= 0 ? fileName.mid(slash + 1) : fileName;
    const qsizetype dot = last.lastIndexOf(u'.');
    if (dot < 0)
        return {};
    return last.mid(dot + 1).toString().toLower();
}

} // namespace stowly::mediaCategory
