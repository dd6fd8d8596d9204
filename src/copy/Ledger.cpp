#include "copy/Ledger.h"

#include "copy/AtomicFile.h"
#include "copy/LedgerFile.h"
#include "copy/SystemError.h"
#include "diagnostics/AppFolders.h"
#include "media/Clip.h"
#include "media/FileNames.h"

namespace stowly {

Ledger::Ledger(const QString& fileURL, QObject* parent)
    : Ledger(
          fileURL, [] { return QDateTime::currentDateTimeUtc(); }, parent) {}

Ledger::Ledger(const QString& fileURL, std::function<QDateTime()> clock, QObject* parent)
    : QObject(parent), m_fileURL(fileURL), m_clock(std::move(clock)) {
    load();
}

QString Ledger::defaultFileURL() {
    return AppFolders::appSupport() + QStringLiteral("/ledger.json");
}

void Ledger::setLastError(std::optional<QString> error) {
    if (m_lastError == error)
        return;
    m_lastError = std::move(error);
    Q_EMIT lastErrorChanged();
}

void Ledger::load() {
    LedgerFile::ReadResult read = LedgerFile::readFile(m_fileURL);
    if (!read.exists)
        return;
    if (auto* list = std::get_if<LedgerRecords>(&read.content)) {
        m_entries = std::move(*list);
        return;
    }
    const QString readError = std::get<QString>(read.content);

    // Never overwrite what could not be read: move it aside under a name of its own.
    const QString stamp = LedgerFile::internetDateTime(m_clock()).replace(u':', u'-');
    const QString asideName =
        m_fileURL.mid(m_fileURL.lastIndexOf(u'/') + 1) + QStringLiteral(".corrupt-") + stamp;
    const QString asidePath = m_fileURL.left(m_fileURL.lastIndexOf(u'/') + 1) + asideName;
    if (!AtomicFile::moveNoReplace(m_fileURL, asidePath)) {
        setLastError(QStringLiteral("Couldn’t read the ledger (") + readError +
                     QStringLiteral("). The old file was kept as ") + asideName + u'.');
    } else {
        m_saveBlocked = true;
        setLastError(QStringLiteral(
            "Couldn’t read the ledger, and couldn’t set it aside. Stowly won’t overwrite it."));
    }
}

void Ledger::save() {
    if (m_saveBlocked)
        return;
    const QString folder = m_fileURL.left(m_fileURL.lastIndexOf(u'/'));
    std::optional<QString> error;
    if (!folder.isEmpty())
        error = AtomicFile::makeFolder(folder);
    if (!error)
        error = AtomicFile::write(m_fileURL, [this](const AtomicFile::Sink& sink) {
            return LedgerFile::encode(m_entries, sink);
        });
    if (error) {
        setLastError(QStringLiteral("Couldn’t save the ledger: ") + *error + u'.');
        return;
    }
    m_lastSaveAt = m_clock();
    m_hasUnsavedChanges = false;
    setLastError(std::nullopt);
}

void Ledger::add(const LedgerEntry& entry, bool deferSave) {
    m_entries.append(entry);
    Q_EMIT entriesChanged();
    if (deferSave && m_lastSaveAt && m_lastSaveAt->msecsTo(m_clock()) < deferMilliseconds) {
        m_hasUnsavedChanges = true;
        return;
    }
    save();
}

void Ledger::saveIfNeeded() {
    if (m_hasUnsavedChanges)
        save();
}

LedgerIndex Ledger::entriesByKey() const {
    return LedgerIndex(m_entries);
}

qsizetype Ledger::entryCount(const QString& volumeIdentity) const {
    const QByteArray prefix = (volumeIdentity + u'|').toUtf8();
    qsizetype count = 0;
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries.text(i, LedgerRecords::sourceKey).startsWith(prefix))
            ++count;
    return count;
}

qsizetype Ledger::removeWhere(const std::function<bool(qsizetype)>& test) {
    LedgerRecords kept = m_entries.without(test);
    const qsizetype removed = m_entries.size() - kept.size();
    if (removed == 0)
        return 0;
    m_entries = std::move(kept);
    Q_EMIT entriesChanged();
    save();
    return removed;
}

qsizetype Ledger::forget(const LedgerEntry& entry) {
    const LedgerRecords::Encoded encoded(entry);
    return removeWhere([&](qsizetype i) { return m_entries.matches(i, encoded); });
}

qsizetype Ledger::forgetVolume(const QString& volumeIdentity) {
    const QByteArray prefix = (volumeIdentity + u'|').toUtf8();
    return removeWhere([&](qsizetype i) {
        return m_entries.text(i, LedgerRecords::sourceKey).startsWith(prefix);
    });
}

} // namespace stowly
