#pragma once

#include <QString>

namespace stowly {

// The failures of one copy that the copier words itself. Each names one file by its last path
// component only.
struct CopierError {
    enum class Kind { destinationExists, couldNotCreate, checksumMismatch };

    Kind kind = Kind::couldNotCreate;
    QString fileName;

    static CopierError destinationExists(const QString& finalName) {
        return {Kind::destinationExists, finalName};
    }
    static CopierError couldNotCreate(const QString& partialName) {
        return {Kind::couldNotCreate, partialName};
    }
    static CopierError checksumMismatch(const QString& sourceName) {
        return {Kind::checksumMismatch, sourceName};
    }

    QString description() const {
        switch (kind) {
        case Kind::destinationExists:
            return fileName + QStringLiteral(" already exists — not overwriting it.");
        case Kind::couldNotCreate:
            return QStringLiteral("Couldn’t create ") + fileName +
                   QStringLiteral(" in the destination.");
        case Kind::checksumMismatch:
            return QStringLiteral("Checksum mismatch for ") + fileName +
                   QStringLiteral(". The copy was deleted.");
        }
        return {};
    }

    friend bool operator==(const CopierError&, const CopierError&) = default;
};

} // namespace stowly
