#pragma once

#include "copy/AtomicFile.h"
#include "history/HistoryRecords.h"

#include <QByteArrayView>
#include <QList>

#include <optional>
#include <variant>

namespace stowly {

// The history file's format: a compact JSON array of flat objects with sorted keys, "/" written
// as "\/", dates as whole-second UTC internet date-times. Written by hand, and read through
// simdjson (HistoryJsonReader) straight into compact records: a million-entry history must load in
// a fraction of a second, which a general JSON document model cannot do in the memory we allow.
namespace HistoryFile {
// The entries, or the reason they could not be read.
std::variant<HistoryRecords, QString> decode(QByteArrayView data);

struct ReadResult {
    bool exists = false;
    std::variant<HistoryRecords, QString> content;
    // The file could not be read at all (a failing disk, no permission): that says nothing
    // about its content, which must not be taken for damaged.
    bool unreadable = false;
};
// Reads and decodes a history file; `exists` is false only when there is no file at all.
ReadResult readFile(const QString& path);

bool encode(const HistoryRecords& entries, const AtomicFile::Sink& sink);
QByteArray encode(const HistoryRecords& entries);

// "2026-12-03T23:26:29Z"
QString internetDateTime(const QDateTime& date);
// Whole seconds only (with "Z" or an offset); a fractional part or another form gives an
// invalid date.
QDateTime parseInternetDateTime(QStringView text);
std::optional<qint64> parseInternetSeconds(QByteArrayView text);
} // namespace HistoryFile

} // namespace stowly
