#pragma once

#include "history/HistoryRecords.h"

#include <QString>

#include <optional>
#include <variant>

namespace stowly {

class VolumeFacts;

// The history of one card as the user names it: by a card or folder that is there (its
// identity), or, for a card that is not inserted, by the identity or the name the history
// recorded.
struct CardHistory {
    std::optional<QString> identity;
    std::optional<QString> cardName;
    // How messages name the card.
    QString displayName;

    // What forgetting the card by its identity takes away: its files (history keys) and their
    // copies (entries); a file offloaded again has several copies.
    struct Counts {
        qsizetype files = 0;
        qsizetype copies = 0;
    };

    // The history a command-line argument names: a card or folder that is there, else the text
    // taken as the identity or the recorded name of a card that is not inserted; or why it
    // names none.
    static std::variant<CardHistory, QString> named(const QString& argument,
                                                    const VolumeFacts& volumes);

    bool holds(const HistoryRecords& records, qsizetype i) const;
    // Only this card's entries of the records.
    HistoryRecords of(const HistoryRecords& records) const;
    Counts forgettable(const HistoryRecords& records) const;
};

} // namespace stowly
