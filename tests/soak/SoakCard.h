#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <random>

namespace stowly::soak {

// A folder laid out like a camera card: many small photos and a few large raw files of random
// content, so every file has a digest of its own.
class SoakCard {
public:
    struct File {
        QString relativePath;
        qint64 size = 0;
        QByteArray sha256;
    };

    // The card's own folder is `root`/`name`. Cards of as many files have the same paths.
    SoakCard(const QString& root, const QString& name, int smallFiles, int largeFiles,
             qint64 largestSize, std::mt19937_64& random);

    QString path() const { return m_path; }
    const QList<File>& files() const { return m_files; }
    qint64 totalSize() const;
    // The card file with this digest, or null.
    const File* withDigest(const QByteArray& sha256) const;
    // The card file at this relative path, or null.
    const File* at(const QString& relativePath) const;

private:
    void write(const QString& relativePath, qint64 size, std::mt19937_64& random);

    QString m_path;
    QList<File> m_files;
    QHash<QByteArray, qsizetype> m_byDigest;
    QHash<QString, qsizetype> m_byPath;
};

} // namespace stowly::soak
