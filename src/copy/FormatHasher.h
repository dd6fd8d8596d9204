#pragma once

#include "copy/HashFormat.h"

#include <QMap>
#include <QString>

#include <memory>

namespace stowly {

// Computes several hash formats from one pass over the bytes, so a file is read once however
// many formats its record holds.
class FormatHasher {
public:
    explicit FormatHasher(const QList<HashFormat>& formats);
    ~FormatHasher();
    FormatHasher(const FormatHasher&) = delete;
    FormatHasher& operator=(const FormatHasher&) = delete;

    void update(const char* data, qsizetype size);
    // Each format's value as a manifest writes it; the computation is over afterwards.
    QMap<HashFormat, QString> finish();

    // One format's value of the bytes.
    static QString of(HashFormat format, QByteArrayView bytes);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace stowly
