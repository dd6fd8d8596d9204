#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include <list>
#include <optional>

namespace stowly {

// Images by key, bounded both by count and by total cost; the least recently used go first.
// QCache bounds only one of the two.
class ThumbnailCache {
public:
    ThumbnailCache(qsizetype maxCount, qint64 maxCost);

    // Counts as a use.
    std::optional<QImage> find(const QString& key);
    bool contains(const QString& key) const { return m_entries.contains(key); }
    // An entry costing more than the whole cache is not kept.
    void insert(const QString& key, const QImage& image, qint64 cost);

    qsizetype count() const { return m_entries.size(); }
    qint64 totalCost() const { return m_totalCost; }

private:
    struct Entry {
        QImage image;
        qint64 cost;
        std::list<QString>::iterator use;
    };

    void remove(const QString& key);

    qsizetype m_maxCount;
    qint64 m_maxCost;
    qint64 m_totalCost = 0;
    // Most recently used first.
    std::list<QString> m_uses;
    QHash<QString, Entry> m_entries;
};

} // namespace stowly
