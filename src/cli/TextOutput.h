#pragma once

#include "copy/LedgerEntry.h"
#include "media/CardVolume.h"
#include "naming/PlannedFile.h"

#include <QString>

#include <optional>

namespace stowly {

class OffloadSession;

// What the commands print for people, without --json.
class TextOutput {
public:
    static QString cards(const QList<CardVolume>& cards);
    static QString scan(const OffloadSession& session, const std::optional<QString>& blocker);
    static QString plan(const QString& destination, const QList<PlannedFile>& files);
    // "2024-05-01 14:03  CARD  DCIM/C0001.MP4 → /Footage/…" in local time.
    static QString historyLine(const LedgerEntry& entry);
    // "“CARD” at /media/CARD (identity …)"
    static QString cardLine(const CardVolume& card);
};

} // namespace stowly
