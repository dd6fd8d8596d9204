#include "app/CardHistory.h"

namespace stowly {

bool CardHistory::holds(const LedgerRecords& records, qsizetype i) const {
    if (identity &&
        records.text(i, LedgerRecords::sourceKey).startsWith((*identity + u'|').toUtf8()))
        return true;
    return cardName && records.text(i, LedgerRecords::cardName) == cardName->toUtf8();
}

LedgerRecords CardHistory::of(const LedgerRecords& records) const {
    return records.without([&](qsizetype i) { return !holds(records, i); });
}

} // namespace stowly
