#pragma once

#include <QList>
#include <QSet>

#include <algorithm>

namespace stowly {

// Moves the items at the given offsets, in their order, to just before the item that was at
// toOffset (toOffset may equal the size: the end). Offsets outside the list are ignored.
// Returns whether the order changed.
template <typename T> bool moveItems(QList<T>& list, const QList<int>& fromOffsets, int toOffset) {
    QSet<int> moving;
    for (const int offset : fromOffsets)
        if (offset >= 0 && offset < list.size())
            moving.insert(offset);
    if (moving.isEmpty())
        return false;
    toOffset = std::clamp(toOffset, 0, int(list.size()));
    QList<T> before;
    QList<T> moved;
    QList<T> after;
    for (int i = 0; i < list.size(); ++i) {
        if (moving.contains(i))
            moved.append(list[i]);
        else if (i < toOffset)
            before.append(list[i]);
        else
            after.append(list[i]);
    }
    QList<T> result = before + moved + after;
    if (result == list)
        return false;
    list = std::move(result);
    return true;
}

} // namespace stowly
