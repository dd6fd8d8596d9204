#pragma once

#include "copy/CopierError.h"
#include "copy/ReadBack.h"

#include <QString>

#include <optional>
#include <variant>

namespace stowly {

// Why one copy did not finish, with the sentence the user sees.
struct CopyFailure {
    enum class Kind {
        destinationExists,
        couldNotCreate,
        checksumMismatch,
        sourceChanged,
        sourceReadDiffers,
        cancelled,
        system
    };

    Kind kind = Kind::system;
    QString description;
    // The errno of the refused operation for system failures (0 when there is none).
    int systemError = 0;

    static CopyFailure from(const CopierError& error);
    static CopyFailure cancelled(const QString& sourceName);
    // "<what>: <the platform's text>."
    static CopyFailure system(const QString& what, int errnum);

    friend bool operator==(const CopyFailure&, const CopyFailure&) = default;
};

// The digest text of a finished copy (or of a file read), or why there is none.
class CopyResult {
public:
    CopyResult(QString digest) : m_value(std::move(digest)) {}
    // A verified copy, with where its read-back came from.
    CopyResult(QString digest, ReadBack readBack)
        : m_value(std::move(digest)), m_readBack(readBack) {}
    CopyResult(CopyFailure failure) : m_value(std::move(failure)) {}
    CopyResult(const CopierError& error) : m_value(CopyFailure::from(error)) {}

    bool ok() const { return std::holds_alternative<QString>(m_value); }
    explicit operator bool() const { return ok(); }
    // Only when ok().
    const QString& digest() const { return std::get<QString>(m_value); }
    // Only when not ok().
    const CopyFailure& failure() const { return std::get<CopyFailure>(m_value); }
    // Of a copy this run verified; none for a file only read, and for a failure.
    std::optional<ReadBack> readBack() const { return m_readBack; }

private:
    std::variant<QString, CopyFailure> m_value;
    std::optional<ReadBack> m_readBack;
};

} // namespace stowly
