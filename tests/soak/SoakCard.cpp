#include "SoakCard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <cstring>

namespace stowly::soak {

SoakCard::SoakCard(const QString& root, const QString& name, int smallFiles, int largeFiles,
                   qint64 largestSize, std::mt19937_64& random)
    : m_path(root + u'/' + name) {
    constexpr qint64 KiB = 1024;
    constexpr qint64 MiB = 1024 * KiB;
    std::uniform_int_distribution<qint64> smallSize(20 * KiB, 200 * KiB);
    std::uniform_int_distribution<qint64> largeSize(2 * MiB, std::max(2 * MiB, largestSize));
    for (int i = 1; i <= smallFiles; ++i)
        write(QStringLiteral("DCIM/100SOAK/IMG_%1.JPG").arg(i, 4, 10, QChar(u'0')),
              smallSize(random), random);
    for (int i = 1; i <= largeFiles; ++i)
        write(QStringLiteral("DCIM/101SOAK/DSC_%1.ARW").arg(i, 4, 10, QChar(u'0')),
              largeSize(random), random);
}

void SoakCard::write(const QString& relativePath, qint64 size, std::mt19937_64& random) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 at = 0; at < size; at += 8) {
        const std::uint64_t value = random();
        std::memcpy(bytes.data() + at, &value, size_t(std::min<qint64>(8, size - at)));
    }
    const QString path = m_path + u'/' + relativePath;
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != size)
        qFatal("Cannot write the card file %s", qPrintable(path));
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    m_byDigest.insert(digest, m_files.size());
    m_byPath.insert(relativePath, m_files.size());
    m_files.append({relativePath, size, digest});
}

qint64 SoakCard::totalSize() const {
    qint64 total = 0;
    for (const File& file : m_files)
        total += file.size;
    return total;
}

const SoakCard::File* SoakCard::withDigest(const QByteArray& sha256) const {
    const auto found = m_byDigest.constFind(sha256);
    return found == m_byDigest.cend() ? nullptr : &m_files.at(*found);
}

const SoakCard::File* SoakCard::at(const QString& relativePath) const {
    const auto found = m_byPath.constFind(relativePath);
    return found == m_byPath.cend() ? nullptr : &m_files.at(*found);
}

} // namespace stowly::soak
