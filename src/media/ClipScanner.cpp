#include "media/ClipScanner.h"

#include "base/FileNames.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

QDateTime fromStatx(const struct statx_timestamp& t) {
    return QDateTime::fromMSecsSinceEpoch(t.tv_sec * 1000 + t.tv_nsec / 1000000, Qt::UTC);
}

// A name that went away while the card was walked: the card changed, it did not fail.
bool vanished(int error) {
    return error == ENOENT || error == ENOTDIR;
}

class Walker {
public:
    Walker(const QSet<MediaCategory>& categories, const FileRules& rules)
        : categories(categories), ignore(rules.ignorePatterns) {}

    ClipScanner::Result result;

    void fail(const QString& relativePath, int error) {
        if (!result.failure)
            result.failure = ScanFailure{relativePath, qt_error_string(error)};
    }

    // Takes ownership of dirfd.
    void walk(int dirfd, const QByteArray& absolutePrefix, const QString& relativePrefix) {
        DIR* dir = ::fdopendir(dirfd);
        if (!dir) {
            fail(relativePrefix, errno);
            ::close(dirfd);
            return;
        }
        struct Subfolder {
            QByteArray name;
            QString relativePath;
        };
        std::vector<Subfolder> subfolders;
        for (;;) {
            // readdir tells the end of a folder from a failure only by errno.
            errno = 0;
            struct dirent* entry = ::readdir(dir);
            if (!entry) {
                if (errno != 0)
                    fail(relativePrefix, errno);
                break;
            }
            const char* rawName = entry->d_name;
            if (rawName[0] == '.' && (rawName[1] == 0 || (rawName[1] == '.' && rawName[2] == 0)))
                continue;
            const QByteArray nameBytes(rawName);
            const QString name = fileNames::decode(nameBytes);
            const QString relative = relativePrefix.isEmpty() ? name : relativePrefix + u'/' + name;

            unsigned char type = entry->d_type;
            struct statx info;
            bool haveInfo = false;
            const auto readInfo = [&] {
                haveInfo = ::statx(::dirfd(dir), rawName, AT_SYMLINK_NOFOLLOW,
                                   STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_BTIME, &info) == 0;
                if (haveInfo)
                    type = IFTODT(info.stx_mode);
                else if (!vanished(errno))
                    fail(relative, errno);
                return haveInfo;
            };

            const QString lowerName = name.toLower();
            const QString extension = mediaCategory::extensionOf(lowerName);
            if (ClipScanner::isJunkLower(lowerName, extension) || ignore.matches(lowerName)) {
                // A folder is recorded once; nothing inside it is visited.
                result.ignored.append(relative);
                continue;
            }
            if (type == DT_UNKNOWN && !readInfo())
                continue;
            if (type == DT_DIR) {
                subfolders.push_back({nameBytes, relative});
                continue;
            }
            if (type != DT_REG)
                continue;
            const MediaCategory category =
                mediaCategory::classify(mediaCategory::extensionOf(name));
            if (!categories.contains(category))
                continue;
            if (!haveInfo && !readInfo())
                continue;
            if (!S_ISREG(info.stx_mode))
                continue;

            Clip clip;
            clip.url = absolutePrefix + '/' + nameBytes;
            clip.relativePath = relative;
            clip.size = (info.stx_mask & STATX_SIZE) ? qint64(info.stx_size) : 0;
            if (info.stx_mask & STATX_BTIME)
                clip.creationDate = fromStatx(info.stx_btime);
            if (info.stx_mask & STATX_MTIME)
                clip.modificationDate = fromStatx(info.stx_mtime);
            result.clips.append(std::move(clip));
        }
        for (const Subfolder& sub : subfolders) {
            const int fd = ::openat(::dirfd(dir), sub.name.constData(),
                                    O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (fd >= 0)
                walk(fd, absolutePrefix + '/' + sub.name, sub.relativePath);
            else if (!vanished(errno))
                fail(sub.relativePath, errno);
        }
        ::closedir(dir);
    }

private:
    const QSet<MediaCategory>& categories;
    const FileRules::IgnoreMatcher ignore;
};

} // namespace

const QSet<MediaCategory>& ClipScanner::allCategories() {
    static const QSet<MediaCategory> all{MediaCategory::video, MediaCategory::photo,
                                         MediaCategory::audio, MediaCategory::other};
    return all;
}

ClipScanner::Result ClipScanner::scanReport(const QString& volumeURL,
                                            const QSet<MediaCategory>& categories,
                                            const FileRules& rules) {
    Walker walker(categories, rules);
    QByteArray root = fileNames::encode(volumeURL);
    while (root.size() > 1 && root.endsWith('/'))
        root.chop(1);
    const int fd = ::open(root.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        walker.fail(QString(), errno);
        return std::move(walker.result);
    }
    walker.walk(fd, root == "/" ? QByteArray() : root, QString());

    std::stable_sort(walker.result.clips.begin(), walker.result.clips.end(),
                     [](const Clip& a, const Clip& b) {
                         return fileNames::codePointLess(a.relativePath, b.relativePath);
                     });
    std::sort(walker.result.ignored.begin(), walker.result.ignored.end(), fileNames::codePointLess);
    return std::move(walker.result);
}

QString ClipScanner::relativePath(const QString& filePath, const QString& volumeURL) {
    const QString file = QDir::cleanPath(filePath);
    QString volume = QDir::cleanPath(volumeURL);
    if (!volume.endsWith(u'/'))
        volume += u'/';
    if (file.startsWith(volume))
        return file.mid(volume.size());
    const qsizetype slash = file.lastIndexOf(u'/');
    return slash >= 0 ? file.mid(slash + 1) : file;
}

bool ClipScanner::isJunk(QStringView name) {
    const QString lower = name.toString().toLower();
    return isJunkLower(lower, mediaCategory::extensionOf(lower));
}

bool ClipScanner::isJunkLower(const QString& lowerName, const QString& lowerExtension) {
    if (lowerName.startsWith(u'.'))
        return true;
    static const QSet<QString> junkNames{"system volume information",
                                         "$recycle.bin",
                                         "recycler",
                                         "recycled",
                                         "thumbs.db",
                                         "desktop.ini"};
    return junkNames.contains(lowerName) || lowerExtension == u"dmg";
}

} // namespace stowly
