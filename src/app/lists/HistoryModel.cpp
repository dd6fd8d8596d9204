#include "app/lists/HistoryModel.h"

#include "history/History.h"

namespace stowly {

namespace {

QString textOf(const HistoryRecords& records, qsizetype i, HistoryRecords::Field field) {
    return QString::fromUtf8(records.text(i, field));
}

} // namespace

HistoryModel::HistoryModel(const History& ledger, QObject* parent)
    : QAbstractListModel(parent), m_history(ledger), m_records(ledger.entries()) {
    connect(&ledger, &History::entriesChanged, this, &HistoryModel::follow);
}

std::optional<HistoryEntry> HistoryModel::entry(int row) const {
    if (row < 0 || row >= m_records.size())
        return std::nullopt;
    return m_records.at(recordOf(row));
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_records.size());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const qsizetype i = recordOf(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case SourcePathRole:
        return textOf(m_records, i, HistoryRecords::sourceRelativePath);
    case DestinationPathRole:
        return textOf(m_records, i, HistoryRecords::destinationPath);
    case SizeRole:
        return m_records.fileSize(i);
    case DigestRole:
        return textOf(m_records, i, HistoryRecords::sha256);
    case OffloadedAtRole:
        return QDateTime::fromSecsSinceEpoch(m_records.offloadedAt(i), Qt::UTC);
    case VolumeRole: {
        const QByteArrayView key = m_records.text(i, HistoryRecords::sourceKey);
        const qsizetype bar = key.indexOf('|');
        return QString::fromUtf8(bar < 0 ? key : key.first(bar));
    }
    case CardNameRole:
        return textOf(m_records, i, HistoryRecords::cardName);
    case SourceKeyRole:
        return textOf(m_records, i, HistoryRecords::sourceKey);
    case StationRole:
        return m_history.station();
    default:
        return {};
    }
}

QHash<int, QByteArray> HistoryModel::roleNames() const {
    return {{SourcePathRole, "sourcePath"},
            {DestinationPathRole, "destinationPath"},
            {SizeRole, "size"},
            {DigestRole, "digest"},
            {OffloadedAtRole, "offloadedAt"},
            {VolumeRole, "volume"},
            {CardNameRole, "cardName"},
            {SourceKeyRole, "sourceKey"},
            {StationRole, "station"}};
}

bool HistoryModel::onlyGrew() const {
    const HistoryRecords& now = m_history.entries();
    if (now.size() < m_records.size())
        return false;
    if (m_records.isEmpty())
        return true;
    // Appending leaves the earlier entries' texts where they are, and a rewritten history
    // (entries forgotten, another process's file merged in, the file read again) lays every
    // entry out afresh while this snapshot keeps the old storage alive. So the last shown
    // entry's text still being at the same address proves everything before it unchanged.
    const qsizetype last = m_records.size() - 1;
    const QByteArrayView shown = m_records.text(last, HistoryRecords::sourceKey);
    const QByteArrayView current = now.text(last, HistoryRecords::sourceKey);
    return !shown.isEmpty() && shown.data() == current.data() && shown.size() == current.size();
}

void HistoryModel::follow() {
    const HistoryRecords& now = m_history.entries();
    if (!onlyGrew()) {
        beginResetModel();
        m_records = now;
        endResetModel();
        return;
    }
    const qsizetype added = now.size() - m_records.size();
    if (added == 0)
        return;
    // Newest first: appended entries go on top.
    beginInsertRows({}, 0, int(added - 1));
    m_records = now;
    endInsertRows();
}

} // namespace stowly
