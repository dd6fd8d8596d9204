#include "app/CardHistory.h"

#include "app/CardAtPath.h"

#include <QFileInfo>

#include <QSet>

namespace stowly {

std::variant<CardHistory, QString> CardHistory::named(const QString& argument,
                                                      const VolumeFacts& volumes) {
    if (!QFileInfo::exists(argument))
        return CardHistory{argument, argument, argument};
    const auto target = cardAtPath(argument, volumes);
    if (const QString* problem = std::get_if<QString>(&target))
        return *problem;
    const CardVolume& card = std::get<CardVolume>(target);
    return CardHistory{card.volumeIdentity(), std::nullopt, card.name};
}

bool CardHistory::holds(const LedgerRecords& records, qsizetype i) const {
    if (identity &&
        records.text(i, LedgerRecords::sourceKey).startsWith((*identity + u'|').toUtf8()))
        return true;
    return cardName && records.text(i, LedgerRecords::cardName) == cardName->toUtf8();
}

LedgerRecords CardHistory::of(const LedgerRecords& records) const {
    return records.without([&](qsizetype i) { return !holds(records, i); });
}

CardHistory::Counts CardHistory::forgettable(const LedgerRecords& records) const {
    Counts counts;
    if (!identity)
        return counts;
    const QByteArray prefix = (*identity + u'|').toUtf8();
    QSet<QByteArrayView> keys;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QByteArrayView key = records.text(i, LedgerRecords::sourceKey);
        if (!key.startsWith(prefix))
            continue;
        ++counts.copies;
        keys.insert(key);
    }
    counts.files = keys.size();
    return counts;
}

} // namespace stowly
