#pragma once

#include "diagnostics/CrashReports.h"
#include "diagnostics/MailHandoff.h"
#include "diagnostics/Redactor.h"
#include "diagnostics/SystemInfo.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

namespace stowly {

// A bug report: the system facts and the recent log, paths removed, composed as a new e-mail
// that the user reads and sends. Nothing is ever sent by Stowly itself.
namespace BugReport {
using SystemInfo = stowly::SystemInfo;

inline constexpr int composedLogLines = 200;
inline constexpr qint64 logWindowSeconds = 3 * 24 * 60 * 60;
// A link body this long or longer is cut down: mail programs and desktops refuse longer
// links.
inline constexpr qsizetype linkBodyLimit = 6001;

// Where a report is gathered from; the defaults are this user's.
struct Places {
    QStringList logFiles;  // oldest first
    QString tempFolder;    // the report folder is made inside
    QString home;          // redacted to "~"
    QString crashesFolder; // named in the note of a link e-mail
    QString keepFolder;    // where a report nobody could take is kept for the user to send

    static Places standard();
};

// What happened to one report.
struct Outcome {
    QString folder;          // the temporary report folder, empty when none could be made
    QStringList attachments; // paths of the files written into it
    bool composed = false;   // handed to the mail program with the attachments
    QUrl link;               // otherwise the link that was opened
    bool linkOpened = false;
    // When neither was taken: the folder the report was kept in for the user to send by hand,
    // empty when it could not be kept either.
    QString keptFolder;

    bool handedOver() const { return composed || linkOpened; }
};

// The newest `limit` log lines of the last three days, oldest first, redacted.
QStringList recentLogLines(int limit);
QStringList recentLogLines(int limit, const QStringList& files, const QDateTime& now,
                           const Redactor& redactor);

// The crashes folder as a person would type it, "~/.local/state/Stowly/crashes".
QString defaultCrashesDisplay();

// The message text. `inlineLog` puts the log into the text itself.
QString body(const QStringList& attachments, const std::optional<QString>& crashReportName,
             const std::optional<QStringList>& inlineLog, const SystemInfo& info);
// The message text for a link: the log inline, cut from the oldest lines until the text
// stays under `linkBodyLimit` characters.
QString mailtoBody(const std::optional<QString>& crashReportName, const QStringList& log,
                   const SystemInfo& info, const QString& crashesFolder = defaultCrashesDisplay());

QString subject(const SystemInfo& info);
QString folderName();
QString logFileName();
// "Stowly-2024-05-01-101010.crash" is attached as "Stowly-2024-05-01-101010.txt".
QString crashAttachmentName(const QString& crashReportName);

// The name of the file in a kept report that says where to send it and what to write.
QString messageFileName();

// Writes the attachments into a fresh report folder and hands the e-mail over; when no
// mail program takes it, opens a link with the log in its body instead; when nothing takes
// that either, keeps the report with its attachments in a folder of its own. May wait for
// the desktop's helpers: not on the main thread.
Outcome openEmail(const SystemInfo& info, const QStringList& log,
                  const std::optional<QString>& crashReportName,
                  const std::optional<QString>& crashText, MailHandoff& handoff,
                  const Places& places = Places::standard());

// Gathers the facts, the log and the crash text and hands the e-mail over on a worker
// thread, then calls `done` on the main thread.
void compose(const std::optional<CrashReports::File>& crash, std::shared_ptr<MailHandoff> handoff,
             std::function<void(const Outcome&)> done = {},
             const Places& places = Places::standard());

} // namespace BugReport

} // namespace stowly
