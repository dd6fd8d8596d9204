#pragma once

#include "mhl/MhlHistory.h"

#include <QMap>

#include <functional>

namespace stowly {

// Checks a folder against its ASC MHL history: every recorded file is read again (from the
// device, around the file cache) and compared with its most recent record; files the history
// does not know are found by a walk that leaves out the ignore list. A folder inside that has a
// history of its own (one per card in a day's folder) is checked against that one: each file
// belongs to its closest history, and a record an outer history holds of it counts too.
class HistoryCheck {
public:
    struct Finding {
        enum class Kind { verified, missing, changedSize, changedHash, unreadable, unrecorded };
        Kind kind = Kind::verified;
        // Relative to the folder checked.
        QString path;
        // The folder of the history the file belongs to, relative to the folder checked; empty
        // for the folder's own. A nested history that cannot be read is one unreadable finding,
        // its "ascmhl" folder.
        QString history;
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

    // Findings history by history, the folder's own first: in each, recorded files, then the
    // unrecorded ones, in path order.
    static QList<Finding> run(const MhlHistory& history, const OnFile& onFile = {});
    static bool allMatch(const QList<Finding>& findings);

    // An in-place generation recording the files of one history (`nested`, as in the findings)
    // that were read: "verified" values where they matched, "failed" ones where they did not;
    // paths relative to that history's folder.
    static MhlManifest verification(const QList<Finding>& findings, const MhlHistory& history,
                                    const QDateTime& startedAt, const QString& nested = {});
    // Appends the verification to every history the findings belong to, nested ones first, each
    // enclosing one referring to the generations its nested ones got. The failure in words, or
    // nothing; the folder's own history then has the new generation last.
    static std::optional<QString> record(const QList<Finding>& findings, MhlHistory& history,
                                         const QDateTime& startedAt);
};

} // namespace stowly
