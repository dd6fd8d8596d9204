#include "copy/CascadeCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace stowly {
namespace {

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(CascadeCopy)
};

CopyFailure sourceDiffers(const CascadeItem& item) {
    return {
        CopyFailure::Kind::sourceReadDiffers,
        Words::tr("The copy of “%1” at “%2” no longer matches what the card gave; copy it from the "
                  "card again.")
            .arg(item.first.sourceRelativePath, item.first.destinationPath)};
}

} // namespace

HistoryEntry CascadeItem::entryAt(const QString& target, const QDateTime& when) const {
    HistoryEntry entry = first;
    entry.destinationPath = target;
    entry.offloadedAt = when;
    return entry;
}

QString CascadeItem::firstRoot() const {
    const QString& path = first.destinationPath;
    return path.endsWith(relativePath) ? path.chopped(relativePath.size() + 1) : QString();
}

CascadeCopy::CascadeCopy(CascadeItem item, std::stop_token stop, CopyJournal* journal,
                         const FolderCalls& calls)
    : m_item(std::move(item)), m_stop(std::move(stop)), m_journal(journal), m_calls(calls) {
    for (const QString& root : m_item.roots) {
        const QString target = QDir(root).filePath(m_item.relativePath);
        m_results.append({root, target, CopyResult(QString()), QDateTime::currentDateTimeUtc()});
        if (!QFileInfo::exists(target)) {
            QDir().mkpath(QFileInfo(target).absolutePath());
            m_targets << target;
            m_toCopy << m_results.size() - 1;
            continue;
        }
        // Made before, and not recorded: it counts when it is the card's file.
        const CopyResult there = Copier::sha256(QFile::encodeName(target), Copier::chunkSize, true);
        m_results.last().result =
            there && there.digest() == m_item.first.sha256
                ? there
                : CopyResult(
                      CopyFailure{CopyFailure::Kind::destinationExists,
                                  Words::tr("Another file is already at “%1”.").arg(target)});
    }
}

CascadeCopy::~CascadeCopy() = default;

void CascadeCopy::write(const Copier::OnBytes& onBytes, CopyBuffers& buffers) {
    if (m_targets.isEmpty())
        return;
    // A note that cannot be written does not stop the copy; whether it is kept is the record's
    // to tell.
    if (m_journal)
        for (const QString& target : m_targets)
            m_journal->copying(target, m_item.first.sourceKey);
    m_when = QDateTime::currentDateTimeUtc();
    // The backup's drive sets the pace: read faster, the first copy's drive and the memory would
    // be taken from the card's run, which is still copying beside it.
    Copier::Checks checks;
    checks.writeBehind = 4 * Copier::chunkSize;
    checks.sourceFromDevice = true;
    // The first copy's read gives the backups' records the card's formats, each of which its
    // bytes must match.
    if (!m_item.xxh128.isEmpty()) {
        QList<HashFormat> formats{HashFormat::xxh128};
        for (const QString& name : m_item.hashes.keys())
            if (const std::optional<HashFormat> format = hashFormat::fromName(name);
                format && !formats.contains(*format))
                formats << *format;
        m_hasher = std::make_shared<FormatHasher>(formats);
        checks.tap = [hasher = m_hasher](const char* data, qsizetype size) {
            hasher->update(data, size);
        };
    }
    m_run = std::make_unique<CopyRun>(QFile::encodeName(m_item.first.destinationPath), m_targets,
                                      m_stop, m_calls, checks);
    m_written = m_run->copy(onBytes, buffers, {});
}

QList<CascadeResult> CascadeCopy::prove(CopyBufferPool& buffers) {
    if (!m_run)
        return m_results;
    if (m_written) {
        const bool sourceMatches = m_run->digest() == m_item.first.sha256 &&
                                   m_run->bytesCopied() == m_item.first.size && hashesMatch();
        for (int i = 0; i < m_run->count(); ++i) {
            if (!m_run->live(i))
                continue;
            if (!sourceMatches)
                m_run->fail(i, sourceDiffers(m_item));
            else if (m_journal)
                m_journal->verifying(m_item.entryAt(m_targets[i], m_when));
        }
        if (m_run->anyLive())
            m_run->prove(buffers);
    }
    const QList<CopyResult> copied = m_run->results();
    for (qsizetype i = 0; i < copied.size(); ++i) {
        m_results[m_toCopy[i]].result = copied[i];
        m_results[m_toCopy[i]].when = m_when;
        if (!copied[i] && m_journal)
            m_journal->dropped(m_targets[i]);
    }
    return m_results;
}

bool CascadeCopy::hashesMatch() const {
    if (!m_hasher)
        return true;
    const QMap<HashFormat, QString> values = m_hasher->finish();
    for (auto [format, value] : values.asKeyValueRange()) {
        const QString& card = format == HashFormat::xxh128
                                  ? m_item.xxh128
                                  : m_item.hashes.value(hashFormat::name(format));
        // C4 ids are case-sensitive; hex values are not.
        if (value.compare(card,
                          format == HashFormat::c4 ? Qt::CaseSensitive : Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

QList<CascadeResult> CascadeCopy::copy(const CascadeItem& item, const Copier::OnBytes& onBytes,
                                       std::stop_token stop, CopyJournal* journal,
                                       CopyBuffers* buffers, const FolderCalls& calls) {
    std::optional<CopyBuffers> own;
    if (!buffers || buffers->chunkSize() != Copier::chunkSize)
        buffers = &own.emplace(Copier::chunkSize);
    CascadeCopy cascade(item, std::move(stop), journal, calls);
    cascade.write(onBytes, *buffers);
    // The copy is over, so its buffers serve the read-back.
    CopyBufferPool pool(buffers->chunkSize(), buffers);
    return cascade.prove(pool);
}

} // namespace stowly
