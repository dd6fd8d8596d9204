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
class CrashReports {
public:
    struct File {
        QString url;    // path of the report file
        QDateTime date; // creation date, else modification date
        bool operator==(const File&) const = default;
    };

    // Preferences key of the newest report date already looked at.
    static QString lastSeenKey();

    // Where the crash handler writes; ~/.local/state/Stowly/crashes.
    static QString folder();
    static bool isReportName(const QString& fileName);

    static QList<File> liveFiles();
    static QList<File> liveFiles(const QString& folder);
    static std::optional<File> newReport(const QList<File>& files,
                                         const std::optional<QDateTime>& lastSeen);
    static std::optional<QDateTime> newestDate(const QList<File>& files,
                                               const std::optional<QDateTime>& lastSeen);

    // Looks for a report newer than the one last looked at, records the newest date, and when
    // one is found logs it and calls `ask` with it (which shows the prompt). The first run
    // only records what is there. Returns the report that was offered.
    using Ask = std::function<void(const File& report)>;
    static std::optional<File> offerIfNeeded(QSettings& defaults, const Ask& ask);
    static std::optional<File> offerIfNeeded(QSettings& defaults, const Ask& ask,
                                             const QString& folder);

    // The prompt: a question, its explanation, and the buttons "Send Report" (compose a bug
    // report with the crash file) and "Not Now" (nothing), in that order.
    static QString promptMessage();
    static QString promptInformativeText();
    static QString sendButtonTitle();
    static QString notNowButtonTitle();
};

} // namespace stowly
