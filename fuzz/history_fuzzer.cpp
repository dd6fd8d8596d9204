#include "Check.h"
#include "FuzzInput.h"

#include "history/History.h"
#include "history/HistoryFile.h"
#include "history/HistoryJsonReader.h"

#include <cstring>

using namespace stowly;

namespace {

std::variant<HistoryRecords, QString> readInPieces(const QByteArray& text, qint64 pieceBytes) {
    HistoryJsonReader reader(
        [&](qint64 offset, char* into, qint64 max) -> std::optional<qint64> {
            const qint64 n = std::min<qint64>(max, text.size() - offset);
            std::memcpy(into, text.constData() + offset, size_t(n));
            return n;
        },
        text.size());
    reader.pieceBytes = pieceBytes;
    return reader.read();
}

bool sameRecords(const HistoryRecords& a, const HistoryRecords& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!(a.at(i) == b.at(i)))
            return false;
    return true;
}

} // namespace

// A ledger file's text: read whole, read in small pieces, written back, and loaded as a ledger.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput::setUp();
    const QByteArray text = fuzzInput::bytes(data, size);
    const auto whole = HistoryFile::decode(text);
    // Reading a piece at a time must not change the verdict.
    const auto pieces = readInPieces(text, 64);
    FUZZ_CHECK(whole.index() == pieces.index());
    if (const auto* records = std::get_if<HistoryRecords>(&whole)) {
        FUZZ_CHECK(sameRecords(*records, std::get<HistoryRecords>(pieces)));
        // What was read is written so that it reads back the same.
        const auto again = HistoryFile::decode(HistoryFile::encode(*records));
        FUZZ_CHECK(std::holds_alternative<HistoryRecords>(again));
        FUZZ_CHECK(sameRecords(*records, std::get<HistoryRecords>(again)));
    }
    fuzzInput::freshFolder();
    const QString path = fuzzInput::write(QStringLiteral("ledger.json"), text);
    History history(path);
    if (const auto* records = std::get_if<HistoryRecords>(&whole))
        FUZZ_CHECK(history.entries().size() == records->size());
    return 0;
}
