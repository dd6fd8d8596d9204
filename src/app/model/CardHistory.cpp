#include "app/model/CardHistory.h"

#include "app/model/CardAtPath.h"

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

bool CardHistory::holds(const HistoryRecords& records, qsizetype i) const {
    if (identity &&
        records.text(i, HistoryRecords::sourceKey).startsWith((*identity + u'|').toUtf8()))
        return true;
    return cardName && records.text(i, HistoryRecords::cardName) == cardName->toUtf8();
}

HistoryRecords CardHistory::of(const HistoryRecords& records) const {
    return records.without([&](qsizetype i) { return !holds(records, i); });
}

CardHistory::Counts CardHistory::forgettable(const HistoryRecords& records) const {
    Counts counts;
    if (!identity)
        return counts;
    const QByteArray prefix = (*identity + u'|').toUtf8();
    QSet<QByteArrayView> keys;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QByteArrayView key = records.text(i, HistoryRecords::sourceKey);
        if (!key.startsWith(prefix))
            continue;
        ++counts.copies;
        keys.insert(key);
    }
    counts.files = keys.size();
    return counts;
}

} // namespace stowly
