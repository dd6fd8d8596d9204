#include "app/lists/CardListModel.h"

#include "devices/VolumeWatcher.h"

namespace stowly {

CardListModel::CardListModel(const VolumeWatcher& watcher, QObject* parent)
    : QAbstractListModel(parent), m_watcher(watcher), m_cards(watcher.cards()) {
    connect(&watcher, &VolumeWatcher::cardsChanged, this, &CardListModel::follow);
}

int CardListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_cards.size());
}

QVariant CardListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const CardVolume& card = m_cards[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return card.name;
    case PathRole:
        return card.id();
    case VolumeIdentityRole:
        return card.volumeIdentity();
    case UuidRole:
        return card.uuid ? QVariant(*card.uuid) : QVariant();
    case DetailRole:
        return m_detail ? m_detail(card) : QString();
    case Qt::AccessibleTextRole: {
        const QString detail = m_detail ? m_detail(card) : QString();
        return detail.isEmpty() ? card.name : card.name + QStringLiteral(", ") + detail;
    }
    default:
        return {};
    }
}

QHash<int, QByteArray> CardListModel::roleNames() const {
    return {{NameRole, "name"},
            {PathRole, "path"},
            {VolumeIdentityRole, "volumeIdentity"},
            {UuidRole, "uuid"},
            {DetailRole, "detail"}};
}

void CardListModel::detailsChanged() {
    if (!m_cards.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_cards.size()) - 1),
                           {DetailRole, Qt::AccessibleTextRole});
}

int CardListModel::rowOf(const QString& path) const {
    for (qsizetype i = 0; i < m_cards.size(); ++i)
        if (m_cards[i].id() == path)
            return int(i);
    return -1;
}

void CardListModel::follow() {
    const QList<CardVolume>& now = m_watcher.cards();
    // Rows whose card is gone, last first so the earlier rows keep their numbers.
    for (qsizetype i = m_cards.size() - 1; i >= 0; --i) {
        if (now.contains(m_cards[i]))
            continue;
        beginRemoveRows({}, int(i), int(i));
        m_cards.removeAt(i);
        endRemoveRows();
    }
    // New cards where the watcher has them; anything reordered is shown afresh.
    for (qsizetype i = 0; i < now.size(); ++i) {
        if (i < m_cards.size() && m_cards[i] == now[i])
            continue;
        if (m_cards.contains(now[i])) {
            beginResetModel();
            m_cards = now;
            endResetModel();
            return;
        }
        beginInsertRows({}, int(i), int(i));
        m_cards.insert(i, now[i]);
        endInsertRows();
    }
}

} // namespace stowly
