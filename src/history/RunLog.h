#pragma once

#include "history/RunRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

// The records of past offloads, one JSON file each in a folder of the application's data
// (~/.local/share/Stowly/runs). A record is written once, when its run ends, and read only for
// reports, so each is its own file: a damaged one costs that run's report, never the others.
// Thread-safe for separate readers; one writer at a time.
class RunLog {
public:
    explicit RunLog(QString folder);

    const QString& folder() const { return m_folder; }

    // Writes the record durably; the failure in words, or nothing.
    std::optional<QString> save(const RunRecord& run) const;
    // Every readable record, oldest first; what could not be read is named in `problems`.
    QList<RunRecord> load(QStringList* problems = nullptr) const;
    // The run with this id, or the one run whose id starts with it.
    std::optional<RunRecord> find(const QString& id) const;

private:
    QString m_folder;
};

} // namespace stowly
