#pragma once

#include "media/Clip.h"
#include "media/MediaFacts.h"
#include "naming/PlannedFile.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>

#include <optional>

namespace stowly {

class OffloadSession;

// One of the lists of an offload session's files a window shows: what will be copied, what
// was offloaded before, or the short clips left on the card. Choices that change which files
// are listed reset it; a run only changes the rows whose state changed.
class SessionFilesModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum class ListScope {
        // The files the session will copy, with their planned names once the run has a plan.
        toCopy,
        // Files offloaded before, present or missing, that are not being offloaded again.
        offloaded,
        // The short clips the session leaves on the card.
        skippedShort
    };
    Q_ENUM(ListScope)

    enum class FileStatus { copying, pending, verified, offloaded, missing, skipped };
    Q_ENUM(FileStatus)

    enum Role {
        RelativePathRole = Qt::UserRole + 1,
        DisplayNameRole,
        SizeRole,
        // Seconds; empty when unknown.
        DurationRole,
        // The category's raw value ("video").
        CategoryRole,
        // The file's name and its path below the destination, once planned.
        PlannedNameRole,
        PlannedPathRole,
        // A FileStatus.
        StatusRole,
        IsReoffloadRole,
        IsIncludedShortRole,
        // Companion files (sidecars, proxies, separate audio) that go with the file.
        SidecarCountRole,
        // The planned name still holds a placeholder for a missing value.
        IsPlaceholderNameRole,
        // "from C0001.MP4 · 0:42 · 1 sidecar"
        DetailRole,
        // Why the clip may be damaged; empty when it is not known to be.
        DamageRole
    };
    Q_ENUM(Role)

    explicit SessionFilesModel(ListScope scope, QObject* parent = nullptr);

    ListScope scope() const { return m_scope; }
    OffloadSession* session() const;
    // Shows another session's files (or none); the model follows it until it goes away.
    void setSession(OffloadSession* session);
    // Names for the files to copy before the run has its own plan, until the session changes;
    // `filledBlanks` when the file names stand in placeholders for values still missing.
    void setNamePreview(const QList<PlannedFile>& plan, bool filledBlanks);

    // The clip a row shows, for the session's toggles.
    std::optional<Clip> clip(int row) const;
    // What the card's files hold, by relative path, as far as read; the rows show it.
    void setFacts(const QHash<QString, MediaFacts>& facts);
    // What the row's file holds; empty while not read.
    MediaFacts facts(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    struct Row {
        Clip clip;
        QString plannedName;
        QString plannedPath;
        FileStatus status = FileStatus::pending;
        bool isReoffload = false;
        bool isIncludedShort = false;
        bool isPlaceholderName = false;
        int sidecars = 0;
        std::optional<double> duration;
        friend bool operator==(const Row&, const Row&) = default;
    };

    QList<Row> makeRows() const;
    // Companions of each listed file, matched among the listed files.
    QHash<QString, int> sidecarCounts() const;
    // The last companions worked out, and the files and session they were worked out for.
    mutable std::optional<size_t> m_sidecarsKey;
    mutable QHash<QString, int> m_sidecars;
    FileStatus statusOf(const Clip& clip) const;
    void sessionChanged();
    void progressChanged();
    // Updates the rows in place while they list the same files, else resets.
    void setRows(QList<Row> rows);
    void resetRows(QList<Row> rows);
    void countStatuses();
    // During a run only statuses change, and mostly one row at a time.
    void updateRunStatuses();
    void updateStatus(int row);

    ListScope m_scope;
    QPointer<OffloadSession> m_session;
    QHash<QString, PlannedFile> m_preview;
    QHash<QString, MediaFacts> m_facts;
    bool m_previewFilledBlanks = false;
    QList<Row> m_rows;
    QHash<QString, int> m_rowOfID;
    // The rows show a run that has begun.
    bool m_runShown = false;
    // The ids of the rows shown as copying: the current file and those still being proved.
    QSet<QString> m_copyingIDs;
    // Where each file of the run's plan stands in it: files are counted in that order.
    QHash<QString, int> m_planIndex;
    qsizetype m_verifiedCount = 0;
};

} // namespace stowly
