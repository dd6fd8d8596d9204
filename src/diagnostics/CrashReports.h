#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QSettings;

namespace stowly {

// Finds crash reports of this application that the user has not been asked about yet, and
// asks once per crash.
namespace CrashReports {
struct File {
    QString url;    // path of the report file
    QDateTime date; // creation date, else modification date
    bool operator==(const File&) const = default;
};

// Preferences key of the newest report date already looked at.
QString lastSeenKey();

// Where the crash handler writes; ~/.local/state/Stowly/crashes.
QString folder();
bool isReportName(const QString& fileName);

QList<File> liveFiles();
QList<File> liveFiles(const QString& folder);
std::optional<File> newReport(const QList<File>& files, const std::optional<QDateTime>& lastSeen);
std::optional<QDateTime> newestDate(const QList<File>& files,
                                    const std::optional<QDateTime>& lastSeen);

// Looks for a report newer than the one last looked at, records the newest date, and when
// one is found logs it and calls `ask` with it (which shows the prompt). The first run
// only records what is there. Returns the report that was offered.
using Ask = std::function<void(const File& report)>;
std::optional<File> offerIfNeeded(QSettings& defaults, const Ask& ask);
std::optional<File> offerIfNeeded(QSettings& defaults, const Ask& ask, const QString& folder);

// The prompt: a question, its explanation, and the buttons "Send Report" (compose a bug
// report with the crash file) and "Not Now" (nothing), in that order.
QString promptMessage();
QString promptInformativeText();
QString sendButtonTitle();
QString notNowButtonTitle();
} // namespace CrashReports

} // namespace stowly
