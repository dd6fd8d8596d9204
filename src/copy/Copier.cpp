#include "copy/Copier.h"

#include "base/FileNames.h"
#include "copy/CopyRun.h"
#include "copy/DeviceReads.h"
#include "copy/FileDescriptor.h"
#include "copy/PipelinedReader.h"
#include "copy/Sha256.h"
#include "naming/NameBook.h"

#include <QCoreApplication>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace stowly {

QList<CopyResult> Copier::copyToAll(const QByteArray& source, const QStringList& destinations,
                                    const OnBytes& onBytes, const OnVerifyAt& onVerify,
                                    std::stop_token stop, CopyBuffers* buffers,
                                    const FolderCalls& calls, const Checks& checks) {
    std::optional<CopyBuffers> own;
    if (!buffers || buffers->chunkSize() != chunkSize)
        buffers = &own.emplace(chunkSize);
    return CopyRun(source, destinations, std::move(stop), calls, checks)
        .run(onBytes, onVerify, *buffers);
}

CopyResult Copier::copyAndVerify(const QByteArray& source, const QString& destination,
                                 const OnBytes& onBytes, const OnVerify& onVerify,
                                 std::stop_token stop, CopyBuffers* buffers,
                                 const FolderCalls& calls) {
    OnVerifyAt onVerifyAt;
    if (onVerify)
        onVerifyAt = [&onVerify](int, const QString& digest, qint64 size) {
            return onVerify(digest, size);
        };
    return copyToAll(source, {destination}, onBytes, onVerifyAt, std::move(stop), buffers, calls)
        .first();
}

CopyResult Copier::sha256(const QByteArray& path, qsizetype chunkSize, bool bypassCache) {
    Sha256 hash;
    if (auto failure =
            readWhole(path, chunkSize, bypassCache,
                      [&](const char* data, qsizetype size) { hash.update(data, size); }))
        return *failure;
    return hexString(hash.finish());
}

std::optional<CopyFailure> Copier::readWhole(const QByteArray& path, qsizetype chunkSize,
                                             bool bypassCache, const OnRead& onRead) {
    const QString name = fileNames::nameOf(path);
    FileDescriptor fd(::open(path.constData(), O_RDONLY | O_CLOEXEC));
    if (!fd.isOpen())
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t open %1 for reading").arg(name), errno);
    CopyBuffers buffers(chunkSize);
    // Pages written but not yet on the device cannot be dropped, and reads would be served from
    // them; a flush first makes every page droppable.
    if (bypassCache)
        ::fdatasync(fd.get());
    const bool bypassing =
        bypassCache &&
        deviceReads::readFromDevice(fd.get(), PipelinedReader::pieceSizeFor(buffers.chunkSize()));
    int error = 0;
    {
        PipelinedReader reader(fd.get(), buffers);
        for (;;) {
            const PipelinedReader::Piece piece = reader.next();
            error = piece.error;
            if (error != 0 || piece.size == 0)
                break;
            onRead(piece.data, piece.size);
        }
    }
    if (bypassCache && !bypassing)
        deviceReads::dropCachedPages(fd.get());
    if (error != 0)
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t read %1").arg(name), error);
    return std::nullopt;
}

QString Copier::hexString(QByteArrayView digest) {
    static const char digits[] = "0123456789abcdef";
    QString text;
    text.reserve(digest.size() * 2);
    for (const char byte : digest) {
        const auto value = static_cast<unsigned char>(byte);
        text += QLatin1Char(digits[value >> 4]);
        text += QLatin1Char(digits[value & 0x0f]);
    }
    return text;
}

QString Copier::partialPath(const QString& destination) {
    return destination + NameBook::partialSuffix();
}

} // namespace stowly
