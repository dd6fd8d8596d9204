#pragma once

#include "copy/CascadeCopy.h"

#include <QList>
#include <QString>

#include <optional>

namespace stowly {

// The cascaded copies still to be made, kept in a file so that they outlive the card, the
// program and a restart of the machine: one line when a file is taken on, one for each backup
// it reached. Lines are appended and flushed to the disk one at a time; a kill leaves at most
// the last one torn, which is not read. Several programs may share one backlog: each writes under
// a lock on the file, and only the one that claimed it takes up what was left. Used from one
// thread at a time.
class CascadeBacklog {
public:
    explicit CascadeBacklog(QString path) : m_path(std::move(path)) {}
    ~CascadeBacklog();
    CascadeBacklog(const CascadeBacklog&) = delete;
    CascadeBacklog& operator=(const CascadeBacklog&) = delete;

    // Makes this program the one that takes up what the backlog holds, for as long as it runs;
    // false while another program is.
    bool claim();

    const QString& path() const { return m_path; }

    // What is still to be made: each file taken on, with the backups it has not reached yet,
    // in the order they were taken on. Lines that cannot be read are skipped and counted.
    struct Contents {
        QList<CascadeItem> items;
        // The copies already proved of files not yet compacted away, whose ASC MHL generation
        // may still be due: each file with the one backup it reached.
        QList<CascadeItem> proved;
        int damagedLines = 0;
        std::optional<QString> error;
    };
    Contents load() const;

    // Each returns why the line could not be written.
    std::optional<QString> add(const CascadeItem& item);
    // `root` has its proved copy of the item, or the item was given up there.
    std::optional<QString> done(const CascadeItem& item, const QString& root, bool proved);
    // The ASC MHL generation of the item's run at `root` is written: its copies are no longer
    // among those proved.
    std::optional<QString> generationWritten(const CascadeItem& item, const QString& root);
    // Writes the file anew with only what is left, atomically; removes it when nothing is.
    std::optional<QString> compact();

private:
    std::optional<QString> append(const QJsonObject& line);

    QString m_path;
    // Held while this program has the backlog claimed.
    int m_claim = -1;
};

} // namespace stowly
