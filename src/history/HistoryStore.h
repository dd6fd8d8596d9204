#pragma once

#include "copy/HistoryEntry.h"

#include <QList>
#include <QString>

#include <optional>

namespace stowly {

// Where verified copies are remembered: this computer's history file, or a server that several
// stations share. What one holds can be copied into the other through this alone.
class HistoryStore {
public:
    virtual ~HistoryStore() = default;

    // Stores the copies; one already held is not stored twice. How many were new, or none
    // with the reason in `error`.
    virtual std::optional<qsizetype> record(const QList<HistoryEntry>& entries, QString* error) = 0;
    // Every copy of the card's files (by volume identity), of every station.
    virtual std::optional<QList<HistoryEntry>> cardRecords(const QString& volumeIdentity,
                                                           QString* error) = 0;
    // Every copy the station made, oldest first.
    virtual std::optional<QList<HistoryEntry>> stationRecords(const QString& station,
                                                              QString* error) = 0;
};

} // namespace stowly
