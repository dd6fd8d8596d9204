#include "history/RunLog.h"

#include "copy/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <algorithm>

namespace stowly {

namespace {

// Larger than any run's record; a file past it is not one of ours.
constexpr qint64 largestRecord = qint64(1) << 30;

QString fileNameOf(const RunRecord& run) {
    // Sorted by name is sorted by start; the id keeps two runs of one second apart.
    return run.startedAt.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz'Z'")) + u'-' +
           QString(run.id).remove(u'/').left(36) + QStringLiteral(".json");
}

} // namespace

RunLog::RunLog(QString folder) : m_folder(std::move(folder)) {}

std::optional<QString> RunLog::save(const RunRecord& run) const {
    if (auto failed = AtomicFile::makeFolder(m_folder))
        return failed;
    return AtomicFile::write(m_folder + u'/' + fileNameOf(run),
                             QJsonDocument(run.toJson()).toJson(QJsonDocument::Compact));
}

QList<RunRecord> RunLog::load(QStringList* problems) const {
    QList<RunRecord> runs;
    const QStringList names =
        QDir(m_folder).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QFile file(m_folder + u'/' + name);
        std::optional<RunRecord> run;
        if (file.open(QIODevice::ReadOnly) && file.size() < largestRecord) {
            const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
            if (document.isObject())
                run = RunRecord::fromJson(document.object());
        }
        if (run)
            runs.append(std::move(*run));
        else if (problems)
            *problems << QCoreApplication::translate("RunLog",
                                                     "The record of an offload couldn’t be read "
                                                     "(%1); its report is left out.")
                             .arg(name);
    }
    std::stable_sort(runs.begin(), runs.end(), [](const RunRecord& a, const RunRecord& b) {
        return a.startedAt < b.startedAt;
    });
    return runs;
}

std::optional<RunRecord> RunLog::find(const QString& id) const {
    // The whole id, or enough of its start to name one run, as a person types it.
    std::optional<RunRecord> found;
    for (RunRecord& run : load()) {
        if (run.id == id)
            return std::move(run);
        if (!id.isEmpty() && run.id.startsWith(id)) {
            if (found)
                return std::nullopt;
            found = std::move(run);
        }
    }
    return found;
}

} // namespace stowly
