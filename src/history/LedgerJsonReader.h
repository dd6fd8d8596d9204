#pragma once

#include "history/LedgerRecords.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <variant>

namespace stowly {

// Reads the history's JSON straight into compact records: strict JSON, the seven keys required
// in every object, unknown keys skipped whatever their shape, whole-second dates only.
class LedgerJsonReader {
public:
    explicit LedgerJsonReader(QByteArrayView data) : m_data(data) {}
    // Told after each entry how far the read has come, so a caller can release what lies behind.
    std::function<void(const char*)> consumed;

    std::variant<LedgerRecords, QString> read();

private:
    QByteArrayView m_data;
};

} // namespace stowly
