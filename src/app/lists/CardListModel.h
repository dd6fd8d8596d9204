#pragma once

#include "media/CardVolume.h"

#include <QAbstractListModel>
#include <QList>

#include <functional>

namespace stowly {

class VolumeWatcher;

// The mounted cards as a list a window can show. A card coming or going inserts or removes
// its row only, so a view keeps its selection on the other cards.
class CardListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { NameRole = Qt::UserRole + 1, PathRole, VolumeIdentityRole, UuidRole, DetailRole };
    Q_ENUM(Role)

    // The watcher must outlive the model.
    explicit CardListModel(const VolumeWatcher& watcher, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The row showing the card mounted at path; -1 when none does.
    int rowOf(const QString& path) const;

    // The line under a card's name ("12 new files"); a screen reader hears it after the name.
    using Detail = std::function<QString(const CardVolume&)>;
    void setDetail(Detail detail) { m_detail = std::move(detail); }
    // The details changed; every row says so.
    void detailsChanged();

private:
    void follow();

    const VolumeWatcher& m_watcher;
    // What the rows show; the watcher's list changes before it tells.
    QList<CardVolume> m_cards;
    Detail m_detail;
};

} // namespace stowly
