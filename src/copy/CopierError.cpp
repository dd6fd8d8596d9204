#include "copy/CopierError.h"

#include "copy/SystemError.h"

#include <QCoreApplication>

#include <cerrno>

namespace stowly {
namespace {

// The reason in the words of someone fixing it; the system's own text for anything rarer.
QString reasonText(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("CopierError", "the destination is full");
    case EROFS:
        return QCoreApplication::translate("CopierError", "the destination is read-only");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("CopierError",
                                           "Stowly isn’t allowed to write to the destination");
    default:
        QString text = systemErrorText(error);
        if (!text.isEmpty())
            text[0] = text[0].toLower();
        return text;
    }
}

} // namespace

QString CopierError::description() const {
    switch (kind) {
    case Kind::destinationExists:
        return QCoreApplication::translate("CopierError", "%1 already exists — not overwriting it.")
            .arg(fileName);
    case Kind::couldNotCreate:
        if (systemError != 0)
            return QCoreApplication::translate("CopierError",
                                               "Couldn’t create %1 in the destination: %2.")
                .arg(fileName, reasonText(systemError));
        return QCoreApplication::translate("CopierError", "Couldn’t create %1 in the destination.")
            .arg(fileName);
    case Kind::checksumMismatch:
        return QCoreApplication::translate("CopierError",
                                           "Checksum mismatch for %1. The copy was deleted.")
            .arg(fileName);
    case Kind::sourceChanged:
        return QCoreApplication::translate("CopierError", "%1 changed while it was being copied.")
            .arg(fileName);
    case Kind::sourceReadDiffers:
        return QCoreApplication::translate("CopierError",
                                           "%1 read differently from the card the second time. "
                                           "The card or its reader may be failing, so the copies "
                                           "were deleted.")
            .arg(fileName);
    }
    return {};
}

} // namespace stowly
