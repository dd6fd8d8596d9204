#pragma once

#include "copy/Copier.h"
#include "copy/CopyBuffers.h"
#include "copy/CopyResult.h"
#include "copy/FolderCalls.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <stop_token>

namespace stowly {

// A card's file whose first copy is proved, to be copied on from that copy to the backups that
// cascade from it.
struct CascadeItem {
    // The proved copy at the first destination.
    QString source;
    // Its path under the first destination's root, which every cascading backup repeats.
    QString relativePath;
    // The roots of the cascading backups that still lack it.
    QStringList roots;
    // What the card gave: a cascaded copy counts only when its source and its read-back give the
    // same. The XXH3-128 text is empty when it was not taken.
    QString sha256;
    QString xxh128;
    qint64 size = 0;

    friend bool operator==(const CascadeItem&, const CascadeItem&) = default;
};

// One cascaded copy: where it went, and its digest or why it failed.
struct CascadeResult {
    QString root;
    QString target;
    CopyResult result;
};

namespace CascadeCopy {
// Copies the proved copy to every root, under the same relative path, from one read: through
// partial files, each read back from the device and compared with the card's digest. When the
// source no longer gives the card's digest (the first copy was damaged since it was proved), no
// copy is made: every root fails with sourceReadDiffers, and the file needs the card again. A
// file already at a target with the card's digest counts as made (a cascade picked up again
// after it was made but before it was recorded); one with other bytes is never replaced.
// Results come in the order of `roots`.
QList<CascadeResult> copy(const CascadeItem& item, const Copier::OnBytes& onBytes,
                          std::stop_token stop = {}, CopyBuffers* buffers = nullptr,
                          const FolderCalls& calls = FolderCalls::system());
} // namespace CascadeCopy

} // namespace stowly
