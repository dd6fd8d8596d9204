#include "ui/thumbnails/ThumbnailCache.h"

namespace stowly {

ThumbnailCache::ThumbnailCache(qsizetype maxCount, qint64 maxCost)
    : m_maxCount(maxCount), m_maxCost(maxCost) {}

std::optional<QImage> ThumbnailCache::find(const QString& key) {
    const auto found = m_entries.find(key);
    if (found == m_entries.end())
        return std::nullopt;
    m_uses.splice(m_uses.begin(), m_uses, found->use);
    return found->image;
}

void ThumbnailCache::insert(const QString& key, const QImage& image, qint64 cost) {
    remove(key);
    if (cost > m_maxCost || m_maxCount < 1)
        return;
    while (!m_uses.empty() && (m_entries.size() >= m_maxCount || m_totalCost + cost > m_maxCost))
        remove(m_uses.back());
    m_uses.push_front(key);
    m_entries.insert(key, Entry{image, cost, m_uses.begin()});
    m_totalCost += cost;
}

void ThumbnailCache::remove(const QString& key) {
    const auto found = m_entries.find(key);
    if (found == m_entries.end())
        return;
    m_totalCost -= found->cost;
    m_uses.erase(found->use);
    m_entries.erase(found);
}

} // namespace stowly
