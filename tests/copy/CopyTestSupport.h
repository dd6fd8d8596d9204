#pragma once

#include "base/FileNames.h"
#include "copy/Copier.h"
#include "copy/OffloadSummary.h"
#include "copy/Xxh128.h"
#include "naming/PlannedFile.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QList>
#include <QStringList>

#include <sys/stat.h>

namespace stowly::test {

// Content that differs at every offset, so a misplaced or lost chunk changes the digest.
inline QByteArray patternBytes(qsizetype size, quint32 seed = 1) {
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 state = seed * 2654435761u + 1;
    for (qsizetype i = 0; i < size; ++i) {
        state = state * 1664525u + 1013904223u;
        bytes[i] = char(state >> 24);
    }
    return bytes;
}

// The digest text from another implementation than the copier's.
inline QString sha256Text(const QByteArray& content) {
    return QString::fromLatin1(
        QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
}

inline QString xxh128Text(const QByteArray& content) {
    Xxh128 hash;
    hash.update(content.constData(), content.size());
    return Copier::hexString(hash.finish());
}

// Every name in a folder, hidden ones included, sorted.
inline QStringList namesIn(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

inline bool existsAt(const QString& path) {
    struct stat info;
    return ::lstat(fileNames::encode(path).constData(), &info) == 0;
}

inline qint64 modificationSeconds(const QString& path) {
    struct stat info {};
    ::stat(fileNames::encode(path).constData(), &info);
    return info.st_mtim.tv_sec;
}

// The card file `cardRoot`/`relativePath`, written with `content`, planned as `folder`/`fileName`.
inline PlannedFile plannedCopy(const QString& cardRoot, const QString& relativePath,
                               const QByteArray& content, const QString& folder,
                               const QString& fileName) {
    Clip clip;
    clip.url = fileNames::encode(writeFile(cardRoot + u'/' + relativePath, content));
    clip.relativePath = relativePath;
    clip.size = content.size();
    return {clip, folder, fileName};
}

// "ok <digest>", or what went wrong.
inline QString outcomeOf(const CopyResult& result) {
    return result.ok() ? "ok " + result.digest() : result.failure().description;
}

// The counts and failure lines of a run; the per-copy list is checked where it matters.
inline OffloadSummary withoutCopies(OffloadSummary summary) {
    summary.copies.clear();
    return summary;
}

// One copy with its callbacks recorded.
struct RecordedCopy {
    QList<qint64> chunks;
    int verifications = 0;
    std::function<void(int chunkNumber)> afterChunk;
    std::function<void()> atVerify;

    CopyResult run(const QString& source, const QString& destination, std::stop_token stop = {},
                   const FolderCalls& calls = FolderCalls::system()) {
        return Copier::copyAndVerify(
            fileNames::encode(source), destination,
            [&](qint64 count) {
                chunks.append(count);
                if (afterChunk)
                    afterChunk(int(chunks.size()));
            },
            [&](const QString&, qint64) -> std::optional<CopyFailure> {
                ++verifications;
                if (atVerify)
                    atVerify();
                return std::nullopt;
            },
            stop, nullptr, calls);
    }
};

} // namespace stowly::test
