#pragma once

#include "mhl/MhlHistory.h"

#include <QMap>

#include <functional>

namespace stowly {

// Checks a folder against its ASC MHL history: every recorded file is read again (from the
// device, around the file cache) and compared with its most recent record; files the history
// does not know are found by a walk that leaves out the ignore list.
class HistoryCheck {
public:
    struct Finding {
        enum class Kind { verified, missing, changedSize, changedHash, unreadable, unrecorded };
        Kind kind = Kind::verified;
        QString path;
        // The record checked against; empty for unrecorded files.
        MhlManifest::File recorded;
        qint64 size = 0;
        QDateTime modified;
        // The values found, in the formats of the record; empty when the file was not read.
        QMap<HashFormat, QString> found;
        QDateTime hashedAt;
        // The formats whose values differ (changedHash), or why the file could not be read.
        QString detail;
    };
    using OnFile = std::function<void(const Finding& finding)>;

    // Findings in path order: recorded files, then the unrecorded ones.
    static QList<Finding> run(const MhlHistory& history, const OnFile& onFile = {});
    static bool allMatch(const QList<Finding>& findings);

    // An in-place generation recording the files that were read: "verified" values where they
    // matched, "failed" ones where they did not.
    static MhlManifest verification(const QList<Finding>& findings, const MhlHistory& history,
                                    const QDateTime& startedAt);
};

} // namespace stowly
