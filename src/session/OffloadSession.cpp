#include "session/OffloadSession.h"

#include "session/CascadeQueue.h"

#include "copy/OffloadJob.h"
#include "copy/Offloader.h"
#include "history/History.h"
#include "media/ShortClipSkip.h"
#include "session/OffloadManifests.h"

#include <QMetaObject>

namespace stowly {

OffloadSession::OffloadSession(const CardVolume& card, const CardInventory& inventory,
                               const QHash<QString, double>& durations, QObject* parent)
    : QObject(parent), m_id(QUuid::createUuid()), m_card(card), m_inventory(inventory),
      m_includedCategories(mediaCategory::allCases.begin(), mediaCategory::allCases.end()),
      m_durations(durations), m_fileRules(FileRules::standard()), m_dateFilter(DateFilter::any()) {
    for (const Clip& clip : inventory.missing)
        m_missingIDs.insert(clip.id());
    for (const Clip& clip : inventory.offloaded)
        m_offloadedIDs.insert(clip.id());
    refreshFiles();
}

OffloadSession::~OffloadSession() {
    if (m_task.joinable()) {
        m_task.request_stop();
        {
            std::lock_guard lock(m_hopMutex);
            m_abandoned = true;
        }
        m_hopDone.notify_all();
        m_task.join();
    }
}

void OffloadSession::refreshFiles() {
    if (m_phase != Phase::ready)
        return;
    setSelection(OffloadSelection::make(m_inventory, m_includedCategories, m_reoffloadMode,
                                        m_reoffloadIDs, m_shortRule, m_durations,
                                        m_includedShortIDs, m_includeAllShort, m_fileRules,
                                        m_dateFilter, QDateTime::currentDateTime()));
}

void OffloadSession::setSelection(OffloadSelection selection) {
    if (selection == m_selection)
        return;
    m_selection = std::move(selection);
    Q_EMIT changed();
}

void OffloadSession::setIncludedCategories(const QSet<MediaCategory>& categories) {
    m_includedCategories = categories;
    Q_EMIT changed();
    refreshFiles();
}

void OffloadSession::setReoffloadMode(ReoffloadMode mode) {
    m_reoffloadMode = mode;
    Q_EMIT changed();
    refreshFiles();
}

void OffloadSession::setShortRule(const ShortClipRule& rule) {
    m_shortRule = rule;
    Q_EMIT changed();
    refreshFiles();
}

void OffloadSession::setFileRules(const FileRules& rules) {
    if (rules == m_fileRules)
        return;
    m_fileRules = rules;
    Q_EMIT changed();
    refreshFiles();
}

void OffloadSession::setDateFilter(const DateFilter& filter) {
    if (filter == m_dateFilter)
        return;
    m_dateFilter = filter;
    Q_EMIT changed();
    refreshFiles();
}

void OffloadSession::setIncludeAllShort(bool includeAll) {
    m_includeAllShort = includeAll;
    Q_EMIT changed();
    refreshFiles();
}

void OffloadSession::setProjectInput(const QString& project) {
    if (project == m_projectInput)
        return;
    m_projectInput = project;
    Q_EMIT changed();
}

void OffloadSession::setCameraID(const std::optional<QUuid>& camera) {
    if (camera == m_cameraID)
        return;
    m_cameraID = camera;
    Q_EMIT changed();
}

void OffloadSession::setCardRemoved(bool removed) {
    if (removed == m_cardRemoved)
        return;
    m_cardRemoved = removed;
    Q_EMIT changed();
}

qint64 OffloadSession::newBytes() const {
    qint64 total = 0;
    for (const Clip& clip : m_selection.toCopy)
        total += clip.size;
    return total;
}

std::optional<double> OffloadSession::duration(const Clip& clip) const {
    const auto it = m_durations.constFind(clip.id());
    return it == m_durations.cend() ? std::nullopt : std::optional<double>(*it);
}

bool OffloadSession::isShortClip(const Clip& clip) const {
    if (!m_shortRule.isEnabled ||
        !mediaCategory::isVideoExtension(mediaCategory::extensionOf(clip.relativePath)) ||
        m_fileRules.role(clip.fileName()) != FileRole::main || m_missingIDs.contains(clip.id()) ||
        m_offloadedIDs.contains(clip.id()))
        return false;
    const std::optional<double> seconds = duration(clip);
    return seconds && ShortClipSkip::isShort(*seconds, m_shortRule);
}

void OffloadSession::toggleReoffload(const Clip& clip) {
    if (!m_reoffloadIDs.remove(clip.id()))
        m_reoffloadIDs.insert(clip.id());
    Q_EMIT changed();
    refreshFiles();
}

void OffloadSession::toggleIncludeShort(const Clip& clip) {
    if (m_includeAllShort) {
        // Turn "all" into the explicit list, so that taking one clip out keeps the others in.
        QSet<QString> all;
        for (const Clip& c : m_inventory.newFiles)
            if (isShortClip(c))
                all.insert(c.id());
        m_includedShortIDs = all;
        m_includeAllShort = false;
        refreshFiles();
    }
    if (!m_includedShortIDs.remove(clip.id()))
        m_includedShortIDs.insert(clip.id());
    Q_EMIT changed();
    refreshFiles();
}

bool OffloadSession::onMainThread(std::function<void()> work) {
    auto done = std::make_shared<bool>(false);
    QMetaObject::invokeMethod(
        this,
        [this, work = std::move(work), done] {
            work();
            {
                std::lock_guard lock(m_hopMutex);
                *done = true;
            }
            m_hopDone.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(m_hopMutex);
    m_hopDone.wait(lock, [&] { return *done || m_abandoned; });
    return *done;
}

namespace {

// The job's gaps: for each planned file that has copies at some destinations, the roots that
// still lack one, and the main copy's relative path for the new ones where it is in place.
void fillGaps(OffloadJob& job, QList<PlannedFile>& plan, const CardInventory& inventory) {
    const QString mainRoot =
        job.destination.endsWith(u'/') ? job.destination : job.destination + u'/';
    for (PlannedFile& planned : plan) {
        const auto found = inventory.missingCopies.constFind(planned.clip.id());
        if (found == inventory.missingCopies.cend())
            continue;
        QStringList roots;
        if (found->main)
            roots << job.destination;
        for (const QString& backup : job.backups)
            if (found->backups.contains(backup))
                roots << backup;
        if (roots.isEmpty())
            roots << job.destinations();
        job.missingAt.insert(planned.clip.relativePath, roots);
        if (!found->main && found->mainCopy && found->mainCopy->startsWith(mainRoot)) {
            const QString relative = found->mainCopy->mid(mainRoot.size());
            const qsizetype slash = relative.lastIndexOf(u'/');
            planned.folder = slash < 0 ? QString() : relative.left(slash);
            planned.fileName = relative.mid(slash + 1);
        }
    }
}

// Takes the cascading backups out of the copies of each file that goes to the main
// destination: they copy from its main copy once it is proved. Returns them by file. A file
// whose main copy is already there copies from the card, as before.
QHash<QString, QStringList> splitCascades(OffloadJob& job, const QStringList& cascades) {
    QHash<QString, QStringList> cascading;
    if (cascades.isEmpty())
        return cascading;
    for (const PlannedFile& planned : std::as_const(job.plan)) {
        const QString& file = planned.clip.relativePath;
        QStringList roots = job.missingAt.value(file, job.destinations());
        if (!roots.contains(job.destination))
            continue;
        QStringList later;
        for (const QString& cascade : cascades)
            if (roots.removeAll(cascade) > 0)
                later << cascade;
        if (later.isEmpty())
            continue;
        job.missingAt.insert(file, roots);
        cascading.insert(file, later);
    }
    return cascading;
}

// Leaves to the cascade the copies it is still to make from an earlier run (after a restart,
// say): made from the card too, they would be a second copy under another name.
void leaveToCascade(OffloadJob& job, const CascadeQueue& cascade) {
    const QString identity = job.card.volumeIdentity();
    const QSet<QString> pending = cascade.pending();
    if (pending.isEmpty())
        return;
    job.plan.removeIf([&](const PlannedFile& planned) {
        const QString& file = planned.clip.relativePath;
        QStringList roots = job.missingAt.value(file, job.destinations());
        const qsizetype before = roots.size();
        const QString key = planned.clip.historyKey(identity);
        roots.removeIf([&](const QString& root) { return pending.contains(key + u'\0' + root); });
        if (roots.size() != before)
            job.missingAt.insert(file, roots);
        return roots.isEmpty();
    });
}

} // namespace

void OffloadSession::start(const QList<PlannedFile>& plan, const OffloadDestinations& where,
                           History* ledger, CascadeQueue* cascade) {
    if (m_phase != Phase::ready)
        return;
    OffloadJob job{m_card, plan, where.main, m_selection.offloadedKept + m_selection.missingKept};
    job.backups = where.backups;
    job.verifySource = where.verifySource;
    job.xxh128 = where.writeAscMhl;
    job.otherHashes = where.otherHashes;
    job.startedAt = QDateTime::currentDateTimeUtc();
    fillGaps(job, job.plan, m_inventory);
    if (cascade)
        leaveToCascade(job, *cascade);
    QStringList cascades;
    for (const QString& root : where.cascades)
        if (job.backups.contains(root))
            cascades << root;
    m_cascading = cascade ? splitCascades(job, cascades) : QHash<QString, QStringList>();
    m_cascade = cascade;
    m_mainRoot = job.destination;
    m_where = where;
    // Names the cascaded copies' ASC MHL generations as it names the run's own.
    m_runStartedAt = job.startedAt;
    m_plan = job.plan;
    m_copiesLeft.clear();
    for (const PlannedFile& planned : job.plan)
        m_copiesLeft.insert(
            planned.clip.relativePath,
            int(job.missingAt.value(planned.clip.relativePath, job.destinations()).size()));
    m_phase = Phase::running;
    m_startedAt = QDateTime::currentDateTime();
    m_progress = OffloadProgress{};
    m_history = ledger;
    m_recorded.clear();
    m_historyNotSaved.reset();
    // Made here, so the history's journal is there before the first copy.
    m_runJournal = ledger ? ledger->journal()->startRun() : nullptr;
    Q_EMIT changed();
    Q_EMIT progressChanged();

    m_task = std::jthread([this, job = std::move(job)](std::stop_token stop) {
        OffloadSummary summary = Offloader::run(
            job,
            [this](const OffloadProgress& progress) {
                onMainThread([this, progress] {
                    m_progress = progress;
                    Q_EMIT progressChanged();
                });
            },
            [this, cascade = m_cascade.data()](const HistoryEntry& entry, const QString& xxh128,
                                               const QMap<QString, QString>& hashes) {
                // Kept for the backups before the copy counts, so that no stop leaves a
                // recorded first copy whose backups nobody is to make.
                const std::optional<CascadeItem> item = cascadeItem(entry, xxh128, hashes);
                if (item)
                    cascade->keep(*item);
                // On this thread, so the main thread never waits for the disk.
                const std::optional<QString> unjournaled =
                    m_runJournal ? m_runJournal->recorded(entry) : std::nullopt;
                // A verified copy is recorded even when a stop is requested meanwhile: only the
                // session going away abandons it (and the journal holds it then).
                onMainThread([this, entry, item, unjournaled] {
                    if (m_runJournal)
                        m_runJournal->taken();
                    bool kept = true;
                    if (m_history) {
                        kept = m_history->addRecorded(entry, !unjournaled);
                        if (kept)
                            m_recorded.append(entry);
                        else if (!m_historyNotSaved)
                            m_historyNotSaved = unjournaled;
                    }
                    m_copiedPaths.append(entry.destinationPath);
                    if (item && m_cascade && kept)
                        m_cascade->take(*item);
                    else if (item && m_cascade)
                        m_cascade->drop(*item);
                    // A file is verified once its copy at every destination is.
                    if (--m_copiesLeft[entry.sourceRelativePath] <= 0)
                        m_verifiedIDs.insert(entry.sourceRelativePath);
                    Q_EMIT changed();
                });
            },
            stop, m_runJournal.get());
        // Written after the run, so the copies stand whatever becomes of the histories.
        if (job.xxh128)
            summary.recordFailures = OffloadManifests::write(job, summary);
        QMetaObject::invokeMethod(
            this, [this, summary] { runFinished(summary); }, Qt::QueuedConnection);
    });
}

std::optional<CascadeItem> OffloadSession::cascadeItem(const HistoryEntry& entry,
                                                       const QString& xxh128,
                                                       const QMap<QString, QString>& hashes) const {
    const QString root = m_mainRoot.endsWith(u'/') ? m_mainRoot : m_mainRoot + u'/';
    const auto later = m_cascading.constFind(entry.sourceRelativePath);
    if (!m_cascade || later == m_cascading.cend() || !entry.destinationPath.startsWith(root))
        return std::nullopt;
    CascadeItem item;
    item.first = entry;
    item.relativePath = entry.destinationPath.mid(root.size());
    item.roots = *later;
    item.xxh128 = xxh128;
    item.hashes = hashes;
    item.runStartedAt = m_runStartedAt;
    return item;
}

void OffloadSession::setAfterwardsFailed(const QString& why) {
    if (!m_summary)
        return;
    m_summary->afterwardsFailed = why;
    Q_EMIT changed();
}

void OffloadSession::addRecordFailure(const QString& line) {
    if (!m_summary)
        return;
    m_summary->recordFailures << line;
    Q_EMIT changed();
}

void OffloadSession::setWaiting(bool waiting, const QList<PlannedFile>& plan) {
    if (waiting == m_waiting)
        return;
    m_waiting = waiting;
    m_plan = waiting ? std::optional(plan) : std::nullopt;
    Q_EMIT changed();
}

void OffloadSession::cancel() {
    if (m_task.joinable())
        m_task.request_stop();
}

void OffloadSession::runFinished(const OffloadSummary& summary) {
    if (m_task.joinable())
        m_task.join();
    m_runJournal.reset();
    if (m_history)
        m_history->saveIfNeeded();
    m_summary = summary;
    m_summary->historyNotSaved = m_historyNotSaved;
    m_phase = Phase::finished;
    Q_EMIT changed();
    Q_EMIT finished(*m_summary);
}

} // namespace stowly
