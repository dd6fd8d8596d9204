#pragma once

#include <QCoreApplication>
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
            return QCoreApplication::translate("CopierError",
                                               "%1 already exists — not overwriting it.")
                .arg(fileName);
        case Kind::couldNotCreate:
            return QCoreApplication::translate("CopierError",
                                               "Couldn’t create %1 in the destination.")
                .arg(fileName);
        case Kind::checksumMismatch:
            return QCoreApplication::translate("CopierError",
                                               "Checksum mismatch for %1. The copy was deleted.")
                .arg(fileName);
        }
        return {};
    }

    friend bool operator==(const CopierError&, const CopierError&) = default;
};

} // namespace stowly
