#pragma once

#include "copy/HistoryEntry.h"
#include "history/HistoryRecords.h"

#include <QAbstractListModel>

namespace stowly {

class History;

// The history of verified copies, newest first. Rows are read from the history's compact
// records when a view asks for them, so a history of a million copies costs no more than its
// records; copies recorded since are inserted at the top instead of resetting the list.
class HistoryModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        SourcePathRole = Qt::UserRole + 1,
        DestinationPathRole,
        SizeRole,
        // SHA-256 in hex.
        DigestRole,
        // UTC.
        OffloadedAtRole,
        // The card's volume identity (UUID, else name), as the history key starts.
        VolumeRole,
        CardNameRole,
        SourceKeyRole,
        // The station that made the copy, when several share the history; else empty.
        StationRole
    };
    Q_ENUM(Role)

    // The ledger must outlive the model.
    explicit HistoryModel(const History& ledger, QObject* parent = nullptr);

    // The entry a row shows, for forgetting it.
    std::optional<HistoryEntry> entry(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    void follow();
    // Whether the ledger's entries begin with every entry the rows show.
    bool onlyGrew() const;
    qsizetype recordOf(int row) const { return m_records.size() - 1 - row; }

    const History& m_history;
    // A snapshot sharing the ledger's storage: the rows stay as told to the views until the
    // ledger says it changed.
    HistoryRecords m_records;
};

} // namespace stowly
