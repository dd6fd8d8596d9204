#include "app/lists/SessionFilesModel.h"

#include "app/wording/MediaTileInfo.h"
#include "media/ClipOrder.h"
#include "media/SidecarMatcher.h"
#include "session/OffloadSession.h"

namespace stowly {

SessionFilesModel::SessionFilesModel(ListScope scope, QObject* parent)
    : QAbstractListModel(parent), m_scope(scope) {}

OffloadSession* SessionFilesModel::session() const {
    return m_session;
}

void SessionFilesModel::setSession(OffloadSession* session) {
    if (session == m_session)
        return;
    if (m_session)
        disconnect(m_session, nullptr, this, nullptr);
    m_session = session;
    // Another card's names would show under the same paths.
    m_preview.clear();
    if (session) {
        connect(session, &OffloadSession::changed, this, &SessionFilesModel::sessionChanged);
        connect(session, &OffloadSession::progressChanged, this,
                &SessionFilesModel::progressChanged);
        connect(session, &QObject::destroyed, this, [this] {
            m_session = nullptr;
            resetRows({});
        });
    }
    resetRows(makeRows());
}

void SessionFilesModel::setNamePreview(const QList<PlannedFile>& plan, bool filledBlanks) {
    m_preview.clear();
    for (const PlannedFile& file : plan)
        m_preview.insert(file.id(), file);
    m_previewFilledBlanks = filledBlanks;
    if (m_scope != ListScope::toCopy || !m_session || m_runShown)
        return;
    // Only the names change: the rows take them where they are, without working out again
    // what else a row shows (its companions are matched over the whole card).
    bool changed = false;
    for (Row& row : m_rows) {
        const auto planned = m_preview.constFind(row.clip.id());
        const bool found = planned != m_preview.cend();
        const QString name = found ? planned->fileName : QString();
        const QString path = found ? planned->relativePath() : QString();
        const bool placeholder = found && !m_session->plan() && filledBlanks;
        if (row.plannedName == name && row.plannedPath == path &&
            row.isPlaceholderName == placeholder)
            continue;
        row.plannedName = name;
        row.plannedPath = path;
        row.isPlaceholderName = placeholder;
        changed = true;
    }
    if (changed && !m_rows.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_rows.size()) - 1),
                           {PlannedNameRole, PlannedPathRole, IsPlaceholderNameRole,
                            Qt::AccessibleTextRole, Qt::DisplayRole});
}

std::optional<Clip> SessionFilesModel::clip(int row) const {
    if (row < 0 || row >= m_rows.size())
        return std::nullopt;
    return m_rows[row].clip;
}

int SessionFilesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant SessionFilesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case DisplayNameRole:
        return row.clip.fileName();
    case RelativePathRole:
        return row.clip.relativePath;
    case SizeRole:
        return row.clip.size;
    case DurationRole:
        return row.duration ? QVariant(*row.duration) : QVariant();
    case CategoryRole:
        return mediaCategory::rawValue(
            mediaCategory::classify(mediaCategory::extensionOf(row.clip.relativePath)));
    case PlannedNameRole:
        return row.plannedName.isEmpty() ? QVariant() : QVariant(row.plannedName);
    case PlannedPathRole:
        return row.plannedPath.isEmpty() ? QVariant() : QVariant(row.plannedPath);
    case StatusRole:
        return int(row.status);
    case IsReoffloadRole:
        return row.isReoffload;
    case IsIncludedShortRole:
        return row.isIncludedShort;
    case SidecarCountRole:
        return row.sidecars;
    case IsPlaceholderNameRole:
        return row.isPlaceholderName;
    case DamageRole: {
        const MediaFacts facts = m_facts.value(row.clip.relativePath);
        return facts.damage ? QVariant(*facts.damage) : QVariant();
    }
    case Qt::ToolTipRole:
    case DetailRole:
    case Qt::AccessibleTextRole: {
        MediaTileInfo tile;
        tile.facts = m_facts.value(row.clip.relativePath);
        tile.clip = row.clip;
        tile.name = row.plannedName.isEmpty() ? row.clip.fileName() : row.plannedName;
        tile.duration = row.duration;
        tile.sidecars = row.sidecars;
        tile.status = row.status;
        tile.isReoffload = row.isReoffload;
        tile.isIncludedShort = row.isIncludedShort;
        tile.isPlaceholderName = row.isPlaceholderName;
        if (role == Qt::ToolTipRole)
            return tile.toolTip(row.plannedPath.isEmpty() ? row.clip.relativePath
                                                          : row.plannedPath);
        return role == DetailRole ? tile.detailLine() : tile.accessibilityText();
    }
    default:
        return {};
    }
}

void SessionFilesModel::setFacts(const QHash<QString, MediaFacts>& facts) {
    if (facts == m_facts)
        return;
    m_facts = facts;
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_rows.size()) - 1),
                           {DetailRole, DamageRole, Qt::ToolTipRole, Qt::AccessibleTextRole});
}

MediaFacts SessionFilesModel::facts(int row) const {
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_facts.value(m_rows[row].clip.relativePath);
}

QHash<int, QByteArray> SessionFilesModel::roleNames() const {
    return {{RelativePathRole, "relativePath"},
            {DisplayNameRole, "displayName"},
            {SizeRole, "size"},
            {DurationRole, "duration"},
            {CategoryRole, "category"},
            {PlannedNameRole, "plannedName"},
            {PlannedPathRole, "plannedPath"},
            {StatusRole, "status"},
            {IsReoffloadRole, "isReoffload"},
            {IsIncludedShortRole, "isIncludedShort"},
            {SidecarCountRole, "sidecars"},
            {IsPlaceholderNameRole, "isPlaceholderName"},
            {DetailRole, "detail"},
            {DamageRole, "damage"}};
}

SessionFilesModel::FileStatus SessionFilesModel::statusOf(const Clip& clip) const {
    switch (m_scope) {
    case ListScope::toCopy:
        if (m_session->verifiedIDs().contains(clip.id()))
            return FileStatus::verified;
        if (m_session->isRunning()) {
            // The run counts files in plan order and proves each while it copies the next:
            // those after the last counted up to the current one are all under way.
            const OffloadProgress& progress = m_session->progress();
            const int at = m_planIndex.value(clip.id(), -1);
            if (progress.currentID == clip.id() ||
                (at >= progress.filesDone && at < m_planIndex.value(progress.currentID, -1)))
                return FileStatus::copying;
        }
        return FileStatus::pending;
    case ListScope::offloaded:
        return m_session->missingIDs().contains(clip.id()) ? FileStatus::missing
                                                           : FileStatus::offloaded;
    case ListScope::skippedShort:
        break;
    }
    return FileStatus::skipped;
}

QList<SessionFilesModel::Row> SessionFilesModel::makeRows() const {
    QList<Row> rows;
    if (!m_session)
        return rows;
    const OffloadSession& session = *m_session;
    QHash<QString, const PlannedFile*> planned;
    const QHash<QString, int> sidecars = sidecarCounts();
    const auto add = [&](const Clip& clip) {
        Row row{clip};
        if (const PlannedFile* file = planned.value(clip.id())) {
            row.plannedName = file->fileName;
            row.plannedPath = file->relativePath();
            row.isPlaceholderName = !session.plan() && m_previewFilledBlanks;
        }
        row.sidecars = sidecars.value(clip.id());
        row.status = statusOf(clip);
        row.isReoffload = session.reoffloadingIDs().contains(clip.id());
        row.isIncludedShort = m_scope == ListScope::toCopy && session.isShortClip(clip);
        row.duration = session.duration(clip);
        rows.append(std::move(row));
    };
    switch (m_scope) {
    case ListScope::toCopy:
        if (session.plan())
            for (const PlannedFile& file : *session.plan())
                planned.insert(file.id(), &file);
        else
            for (const PlannedFile& file : m_preview)
                planned.insert(file.id(), &file);
        rows.reserve(session.newClips().size());
        for (const Clip& clip : session.newClips())
            add(clip);
        break;
    case ListScope::offloaded:
        for (const QList<Clip>* list :
             {&session.inventory().offloaded, &session.inventory().missing})
            for (const Clip& clip : *list)
                if (!session.reoffloadingIDs().contains(clip.id()))
                    add(clip);
        break;
    case ListScope::skippedShort:
        for (const Clip& clip : session.skippedShort().clips)
            add(clip);
        break;
    }
    return rows;
}

QHash<QString, int> SessionFilesModel::sidecarCounts() const {
    const OffloadSession& session = *m_session;
    if (m_scope == ListScope::skippedShort)
        return session.skippedShort().sidecarCounts;
    // Companions are matched among the files listed together, as they are copied together.
    QList<Clip> listed;
    if (m_scope == ListScope::toCopy) {
        listed = session.newClips();
    } else {
        for (const QList<Clip>* list :
             {&session.inventory().offloaded, &session.inventory().missing})
            for (const Clip& clip : *list)
                if (!session.reoffloadingIDs().contains(clip.id()))
                    listed.append(clip);
    }
    // Choices that leave the listed files as they are (a project typed, a camera chosen) must
    // not match the companions of tens of thousands of files again on every key.
    size_t key = size_t(listed.size()) ^ qHash(session.id());
    for (const Clip& clip : listed)
        key = key * 31 + qHash(clip.relativePath);
    if (m_sidecarsKey && *m_sidecarsKey == key)
        return m_sidecars;
    QHash<QString, int> counts;
    const SidecarMatcher::Result matched =
        SidecarMatcher::match(clipOrder::order(std::move(listed)), session.fileRules());
    for (auto it = matched.sidecars.cbegin(); it != matched.sidecars.cend(); ++it)
        counts.insert(it.key(), int(it.value().size()));
    m_sidecarsKey = key;
    m_sidecars = counts;
    return counts;
}

void SessionFilesModel::setRows(QList<Row> rows) {
    bool sameFiles = rows.size() == m_rows.size();
    for (qsizetype i = 0; sameFiles && i < rows.size(); ++i)
        sameFiles = rows[i].clip.id() == m_rows[i].clip.id();
    if (!sameFiles) {
        resetRows(std::move(rows));
        return;
    }
    // Same files: tell only about the runs of rows that differ.
    qsizetype i = 0;
    while (i < rows.size()) {
        if (rows[i] == m_rows[i]) {
            ++i;
            continue;
        }
        const qsizetype first = i;
        for (; i < rows.size() && !(rows[i] == m_rows[i]); ++i)
            m_rows[i] = std::move(rows[i]);
        Q_EMIT dataChanged(index(int(first)), index(int(i - 1)));
    }
    countStatuses();
}

void SessionFilesModel::resetRows(QList<Row> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    m_rowOfID.clear();
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        m_rowOfID.insert(m_rows[i].clip.id(), int(i));
    countStatuses();
    endResetModel();
}

void SessionFilesModel::countStatuses() {
    // Once a run has begun the session's files, plan and choices stay as they are.
    m_runShown = m_session && m_session->phase() != OffloadSession::Phase::ready;
    m_copyingIDs.clear();
    m_planIndex.clear();
    if (m_runShown && m_session->plan())
        for (const PlannedFile& planned : *m_session->plan())
            m_planIndex.insert(planned.clip.id(), int(m_planIndex.size()));
    m_verifiedCount = 0;
    for (const Row& row : m_rows) {
        if (row.status == FileStatus::copying)
            m_copyingIDs.insert(row.clip.id());
        m_verifiedCount += row.status == FileStatus::verified;
    }
}

void SessionFilesModel::updateStatus(int row) {
    if (row < 0)
        return;
    Row& shown = m_rows[row];
    const FileStatus status = statusOf(shown.clip);
    if (status == shown.status)
        return;
    if (shown.status == FileStatus::copying)
        m_copyingIDs.remove(shown.clip.id());
    m_verifiedCount +=
        int(status == FileStatus::verified) - int(shown.status == FileStatus::verified);
    shown.status = status;
    if (status == FileStatus::copying)
        m_copyingIDs.insert(shown.clip.id());
    Q_EMIT dataChanged(index(row), index(row), {StatusRole, Qt::AccessibleTextRole});
}

void SessionFilesModel::updateRunStatuses() {
    // Mostly only the files under way and the one that now is current change; a file
    // verified without ever being reported as current is found by the count.
    QSet<QString> ids = m_copyingIDs;
    if (m_session->isRunning())
        ids.insert(m_session->progress().currentID);
    for (const QString& id : std::as_const(ids))
        updateStatus(m_rowOfID.value(id, -1));
    if (m_verifiedCount != m_session->verifiedIDs().size())
        for (int row = 0; row < m_rows.size(); ++row)
            updateStatus(row);
}

void SessionFilesModel::sessionChanged() {
    if (!m_runShown)
        setRows(makeRows());
    else if (m_scope == ListScope::toCopy)
        updateRunStatuses();
}

void SessionFilesModel::progressChanged() {
    if (m_runShown && m_scope == ListScope::toCopy)
        updateRunStatuses();
}

} // namespace stowly
