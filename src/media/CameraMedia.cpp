#include "media/CameraMedia.h"

#include "base/FileNames.h"
#include "media/MediaCategory.h"

#include <QSet>

#include <dirent.h>

namespace stowly {
namespace {

constexpr qsizetype namesLooked = 300;
constexpr qsizetype foldersOpened = 12;

bool isMediaName(const QString& name) {
    const QString ext = mediaCategory::extensionOf(name);
    return !ext.isEmpty() &&
           (mediaCategory::isVideoExtension(ext) || mediaCategory::isPhotoExtension(ext) ||
            mediaCategory::isAudioExtension(ext));
}

QStringList visibleNames(const QStringList& names) {
    QStringList visible;
    for (const QString& n : names)
        if (!n.startsWith(u'.'))
            visible.append(n);
    return visible;
}

} // namespace

const QStringList& CameraMedia::markerFolders() {
    static const QStringList markers{"DCIM",          "PRIVATE/M4ROOT", "PRIVATE/AVCHD",
                                     "AVCHD",         "XDROOT",         "PRIVATE/XDROOT",
                                     "BPAV",          "CONTENTS",       "MP_ROOT",
                                     "CLIPS001",      "XFAVC",          "PRIVATE/PANA_GRP",
                                     "PRIVATE/CANON", "BLACKMAGIC"};
    return markers;
}

std::optional<QStringList> CameraMedia::diskList(const QString& path) {
    DIR* dir = ::opendir(fileNames::encode(path).constData());
    if (!dir)
        return std::nullopt;
    QStringList names;
    while (struct dirent* entry = ::readdir(dir)) {
        const char* n = entry->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        names.append(fileNames::decode(n));
    }
    ::closedir(dir);
    return names;
}

bool CameraMedia::looksLikeCameraMedia(const QString& root, const Lister& list) {
    const std::optional<QStringList> listed = list(root);
    if (!listed)
        return false;
    const QStringList visible = visibleNames(*listed);
    if (hasCameraFolders(root, visible, list))
        return true;
    for (qsizetype i = 0; i < visible.size() && i < namesLooked; ++i)
        if (isMediaName(visible[i]))
            return true;
    for (qsizetype i = 0; i < visible.size() && i < foldersOpened; ++i) {
        if (!mediaCategory::extensionOf(visible[i]).isEmpty())
            continue;
        const std::optional<QStringList> inner = list(root + u'/' + visible[i]);
        if (!inner)
            continue;
        for (qsizetype j = 0; j < inner->size() && j < namesLooked; ++j) {
            const QString& name = inner->at(j);
            if (!name.startsWith(u'.') && isMediaName(name))
                return true;
        }
    }
    return false;
}

bool CameraMedia::hasCameraFolders(const QString& root, const QStringList& visible,
                                   const Lister& list) {
    QSet<QString> upper;
    for (const QString& name : visible)
        upper.insert(name.toUpper());
    for (const QString& marker : markerFolders()) {
        const QStringList pieces = marker.split(u'/', Qt::SkipEmptyParts);
        if (pieces.size() == 1) {
            if (upper.contains(pieces[0]))
                return true;
        } else if (pieces.size() == 2) {
            for (const QString& name : visible) {
                if (name.toUpper() != pieces[0])
                    continue;
                const std::optional<QStringList> inner = list(root + u'/' + name);
                if (inner)
                    for (const QString& innerName : *inner)
                        if (innerName.toUpper() == pieces[1])
                            return true;
                break;
            }
        }
    }
    return false;
}

} // namespace stowly
