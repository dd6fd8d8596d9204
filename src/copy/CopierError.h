#pragma once

#include <QString>

namespace stowly {

// The failures of one copy that the copier words itself. Each names one file by its last path
// component only.
struct CopierError {
    enum class Kind {
        destinationExists,
        couldNotCreate,
        checksumMismatch,
        sourceChanged,
        sourceReadDiffers
    };

    Kind kind = Kind::couldNotCreate;
    QString fileName;
    // Why the partial file could not be made, where the system said (ENOSPC, EROFS, …).
    int systemError = 0;

    static CopierError destinationExists(const QString& finalName) {
        return {Kind::destinationExists, finalName};
    }
    static CopierError couldNotCreate(const QString& partialName, int systemError = 0) {
        return {Kind::couldNotCreate, partialName, systemError};
    }
    static CopierError checksumMismatch(const QString& sourceName) {
        return {Kind::checksumMismatch, sourceName};
    }
    // The source's size or dates moved while it was read, or it gave other bytes than planned:
    // the copy would be of no version of the file that ever existed.
    static CopierError sourceChanged(const QString& sourceName) {
        return {Kind::sourceChanged, sourceName};
    }
    // Reading the source a second time gave other bytes than the copy was made of: the card or
    // its reader cannot be trusted for this file.
    static CopierError sourceReadDiffers(const QString& sourceName) {
        return {Kind::sourceReadDiffers, sourceName};
    }

    QString description() const;

    friend bool operator==(const CopierError&, const CopierError&) = default;
};

} // namespace stowly
