#pragma once

#include "copy/AtomicFile.h"
#include "copy/LedgerEntry.h"

#include <QByteArrayView>
#include <QList>

#include <variant>

namespace stowly {

// The history file's format: a compact JSON array of flat objects with sorted keys, "/" written
// as "\/", dates as whole-second UTC internet date-times. Written and read by hand because a
// million-entry history must load and save in about a second, which a general JSON document
// model cannot do in the memory we allow.
class LedgerFile {
public:
    // The entries, or the reason they could not be read.
    static std::variant<QList<LedgerEntry>, QString> decode(QByteArrayView data);

    struct ReadResult {
        bool exists = false;
        std::variant<QList<LedgerEntry>, QString> content;
    };
    // Reads and decodes a history file; `exists` is false only when there is no file at all.
    static ReadResult readFile(const QString& path);
    static bool encode(const QList<LedgerEntry>& entries, const AtomicFile::Sink& sink);
    static QByteArray encode(const QList<LedgerEntry>& entries);

    // "2026-12-03T23:26:29Z"
    static QString internetDateTime(const QDateTime& date);
    // Whole seconds only; a fractional part or another form gives an invalid date.
    static QDateTime parseInternetDateTime(QStringView text);
};

} // namespace stowly
