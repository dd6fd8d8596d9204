#include "media/Clip.h"

#include "base/FileNames.h"

#include <chrono>

namespace stowly {

QString Clip::fileName() const {
    const qsizetype slash = relativePath.lastIndexOf(u'/');
    return slash >= 0 ? relativePath.mid(slash + 1) : relativePath;
}

QString Clip::displayPath() const {
    return fileNames::decode(url);
}

qint64 floorSeconds(const QDateTime& date) {
    namespace chr = std::chrono;
    return chr::floor<chr::seconds>(chr::milliseconds(date.toMSecsSinceEpoch())).count();
}

QString Clip::historyKey(const QString& volumeIdentity) const {
    QString key;
    key.reserve(volumeIdentity.size() + relativePath.size() + 40);
    key += volumeIdentity;
    key += u'|';
    key += relativePath;
    key += u'|';
    key += QString::number(size);
    key += u'|';
    if (modificationDate && modificationDate->isValid())
        key += QString::number(floorSeconds(*modificationDate));
    else
        key += QStringLiteral("nodate");
    return key;
}

size_t qHash(const Clip& clip, size_t seed) {
    return qHashMulti(seed, clip.url, clip.relativePath, clip.size,
                      clip.creationDate.value_or(QDateTime()),
                      clip.modificationDate.value_or(QDateTime()));
}

} // namespace stowly
