#pragma once

#include "media/Clip.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QPointer>

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
        IsIncludedShortRole
    };
    Q_ENUM(Role)

    explicit SessionFilesModel(ListScope scope, QObject* parent = nullptr);

    ListScope scope() const { return m_scope; }
    OffloadSession* session() const;
    // Shows another session's files (or none); the model follows it until it goes away.
    void setSession(OffloadSession* session);

    // The clip a row shows, for the session's toggles.
    std::optional<Clip> clip(int row) const;

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
        std::optional<double> duration;
        friend bool operator==(const Row&, const Row&) = default;
    };

    QList<Row> makeRows() const;
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
    QList<Row> m_rows;
    QHash<QString, int> m_rowOfID;
    // The rows show a run that has begun.
    bool m_runShown = false;
    // The id of the row shown as copying; empty when none is.
    QString m_copyingID;
    qsizetype m_verifiedCount = 0;
};

} // namespace stowly
