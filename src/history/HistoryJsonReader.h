#pragma once

#include "history/HistoryRecords.h"

#include <QString>

#include <functional>
#include <optional>
#include <variant>

namespace stowly {

// Reads the history's JSON into compact records through simdjson, which checks the text as
// strict JSON (unknown keys included) on the processor's vector instructions; then the seven
// keys are required in every object and dates must be whole seconds.
//
// The text is parsed a piece at a time where it can be cut between two entries of the list
// ("},{" as the writer puts it), so that memory stays bounded and is reused; a piece that does
// not parse sends the whole text through the parser at once, whose verdict then stands.
class HistoryJsonReader {
public:
    // Copies up to `max` bytes of the text from `offset` into `into`; answers how many (0 only
    // at the end of the text), or none when the text cannot be read (errno says why).
    using Source = std::function<std::optional<qint64>(qint64 offset, char* into, qint64 max)>;

    HistoryJsonReader(Source source, qint64 size) : m_source(std::move(source)), m_size(size) {}

    // The entries, or why the text holds none.
    std::variant<HistoryRecords, QString> read();
    // The source failed (the errno it left), or the text could not be parsed for want of
    // memory: either way nothing is known about the text.
    std::optional<int> unreadable;

    // The size of the pieces; a test sets it small.
    qint64 pieceBytes = qint64(8) << 20;

private:
    Source m_source;
    qint64 m_size;
};

} // namespace stowly
