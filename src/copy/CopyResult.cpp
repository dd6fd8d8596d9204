#include "copy/CopyResult.h"

#include "copy/SystemError.h"

#include <QCoreApplication>

namespace stowly {

CopyFailure CopyFailure::from(const CopierError& error) {
    Kind kind = Kind::couldNotCreate;
    switch (error.kind) {
    case CopierError::Kind::destinationExists:
        kind = Kind::destinationExists;
        break;
    case CopierError::Kind::couldNotCreate:
        kind = Kind::couldNotCreate;
        break;
    case CopierError::Kind::checksumMismatch:
        kind = Kind::checksumMismatch;
        break;
    case CopierError::Kind::sourceChanged:
        kind = Kind::sourceChanged;
        break;
    case CopierError::Kind::sourceReadDiffers:
        kind = Kind::sourceReadDiffers;
        break;
    }
    return {kind, error.description(), error.systemError};
}

CopyFailure CopyFailure::cancelled(const QString& sourceName) {
    return {
        Kind::cancelled,
        QCoreApplication::translate("CopyFailure", "The copy of %1 was cancelled.").arg(sourceName),
        0};
}

CopyFailure CopyFailure::system(const QString& what, int errnum) {
    QString text = systemErrorText(errnum);
    if (text.endsWith(u'.'))
        text.chop(1);
    return {Kind::system, QCoreApplication::translate("CopyFailure", "%1: %2.").arg(what, text),
            errnum};
}

} // namespace stowly
