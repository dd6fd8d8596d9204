#include "diagnostics/CrashReports.h"

#include "base/AppFolders.h"
#include "base/Log.h"
#include "diagnostics/Support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace stowly {

QString CrashReports::lastSeenKey() {
    return QStringLiteral("StowlyLastSeenCrashReportDate");
}

QString CrashReports::folder() {
    return AppFolders::state() + QStringLiteral("/crashes");
}

bool CrashReports::isReportName(const QString& fileName) {
    const QString lower = fileName.toLower();
    return (lower.endsWith(QStringLiteral(".ips")) || lower.endsWith(QStringLiteral(".crash"))) &&
           (fileName.startsWith(QStringLiteral("Stowly-")) ||
            fileName.startsWith(QStringLiteral("Stowly_")));
}

QList<CrashReports::File> CrashReports::liveFiles() {
    return liveFiles(folder());
}

QList<CrashReports::File> CrashReports::liveFiles(const QString& folder) {
    QList<File> files;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (!isReportName(entry.fileName()))
            continue;
        QDateTime date = entry.birthTime();
        if (!date.isValid())
            date = entry.lastModified();
        if (!date.isValid())
            continue;
        files.append({entry.absoluteFilePath(), date.toUTC()});
    }
    return files;
}

std::optional<CrashReports::File>
CrashReports::newReport(const QList<File>& files, const std::optional<QDateTime>& lastSeen) {
    if (!lastSeen)
        return std::nullopt;
    std::optional<File> newest;
    for (const File& file : files) {
        if (!isReportName(QFileInfo(file.url).fileName()) || !(file.date > *lastSeen))
            continue;
        if (!newest || file.date > newest->date)
            newest = file;
    }
    return newest;
}

std::optional<QDateTime> CrashReports::newestDate(const QList<File>& files,
                                                  const std::optional<QDateTime>& lastSeen) {
    std::optional<QDateTime> newest = lastSeen;
    for (const File& file : files) {
        if (!isReportName(QFileInfo(file.url).fileName()) || !file.date.isValid())
            continue;
        if (!newest || file.date > *newest)
            newest = file.date;
    }
    return newest;
}

std::optional<CrashReports::File> CrashReports::offerIfNeeded(QSettings& defaults, const Ask& ask) {
    return offerIfNeeded(defaults, ask, folder());
}

std::optional<CrashReports::File> CrashReports::offerIfNeeded(QSettings& defaults, const Ask& ask,
                                                              const QString& folder) {
    const QList<File> files = liveFiles(folder);
    std::optional<QDateTime> lastSeen;
    const QVariant stored = defaults.value(lastSeenKey());
    if (stored.metaType().id() == QMetaType::QDateTime && stored.toDateTime().isValid())
        lastSeen = stored.toDateTime();

    const std::optional<File> report = newReport(files, lastSeen);
    std::optional<QDateTime> newest = newestDate(files, lastSeen);
    // With nothing to record, the first look would record nothing and the user's first crash
    // would later count as old; the moment of the first look marks where "new" begins.
    if (!newest)
        newest = QDateTime::currentDateTimeUtc();
    if (newest) {
        defaults.setValue(lastSeenKey(), *newest);
        defaults.sync();
    }
    if (report) {
        Log::info(Log::Category::app,
                  QStringLiteral("Found a new crash report from ") + Log::timestamp(report->date));
        if (ask)
            ask(*report);
    }
    return report;
}

QString CrashReports::promptMessage() {
    return QCoreApplication::translate("CrashReports",
                                       "Stowly quit unexpectedly last time. Send a crash report?");
}

QString CrashReports::promptInformativeText() {
    return QCoreApplication::translate("CrashReports",
                                       "This opens a new email to %1 with the crash report and "
                                       "Stowly’s recent log attached. File, card and drive names "
                                       "are left out. You can read it over before sending.")
        .arg(Support::emailAddress());
}

QString CrashReports::sendButtonTitle() {
    return QCoreApplication::translate("CrashReports", "Send Report");
}

QString CrashReports::notNowButtonTitle() {
    return QCoreApplication::translate("CrashReports", "Not Now");
}

} // namespace stowly
