#include "diagnostics/BugReport.h"

#include "base/Background.h"
#include "base/Log.h"
#include "base/PlatformWords.h"
#include "diagnostics/Support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

const QString nothingLogged = QStringLiteral("(nothing logged recently)");

// Crash reports of our own handler are a few kilobytes; anything far bigger is not one.
constexpr qint64 maxCrashBytes = 4 * 1024 * 1024;

QString displayPath(const QString& path, const QString& home) {
    if (home.size() > 1 && (path == home || path.startsWith(home + u'/')))
        return u'~' + path.mid(home.size());
    return path;
}

// The report folder sits in the shared temporary folder under a fixed name, so someone else
// may have put a folder or a link there first. Only a real folder of our own is cleared;
// anything else is left alone and the report goes into a fresh private folder instead.
QString makeReportFolder(const QString& tempFolder) {
    if (tempFolder.isEmpty())
        return {};
    const QString path = QDir(tempFolder).filePath(BugReport::folderName());
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (::lstat(native.constData(), &info) == 0 && info.st_uid == ::geteuid()) {
        if (S_ISDIR(info.st_mode))
            QDir(path).removeRecursively();
        else
            ::unlink(native.constData());
    }
    if (::mkdir(native.constData(), 0700) == 0)
        return path;
    QByteArray pattern = native + "-XXXXXX";
    if (::mkdtemp(pattern.data()))
        return QFile::decodeName(pattern);
    return {};
}

bool writeNewFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const bool written = file.write(content) == content.size() && file.flush();
    file.close();
    if (!written)
        QFile::remove(path);
    return written;
}

// A report that no mail program took stays where the user finds it again: its attachments
// and a message file that says where to send them. Empty when it could not be kept.
QString keepForSending(const MailHandoff::Draft& draft, const QStringList& attachments,
                       const QString& parent) {
    if (parent.isEmpty())
        return {};
    const QString base = QDir(parent).filePath(
        BugReport::folderName() +
        QDateTime::currentDateTime().toString(QStringLiteral(" yyyy-MM-dd HH.mm.ss")));
    QString folder = base;
    for (int n = 2; QFileInfo::exists(folder) || !QDir().mkdir(folder); ++n) {
        if (n > 99)
            return {};
        folder = base + QStringLiteral(" %1").arg(n);
    }
    const QString message =
        QCoreApplication::translate("BugReport", "Please e-mail this report and the files "
                                                 "beside it to %1.")
            .arg(draft.to) +
        QStringLiteral("\n\nTo: ") + draft.to + QStringLiteral("\nSubject: ") + draft.subject +
        QStringLiteral("\n\n") + draft.body + u'\n';
    bool kept = writeNewFile(QDir(folder).filePath(BugReport::messageFileName()), message.toUtf8());
    for (const QString& file : attachments)
        kept = QFile::copy(file, QDir(folder).filePath(QFileInfo(file).fileName())) && kept;
    if (!kept) {
        QDir(folder).removeRecursively();
        return {};
    }
    return folder;
}

bool startsWithDate(const QByteArray& line) {
    if (line.size() < 11 || line[4] != '-' || line[7] != '-' || line[10] != 'T')
        return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (line[i] < '0' || line[i] > '9')
            return false;
    return true;
}

// Whether a log line was written after `since`. Local dates are at most a day off UTC, so
// only lines of the days around `since` need their time read in full; a few megabytes of log
// are thereby read in a blink.
bool isWithin(const QByteArray& line, const QDateTime& since, const QByteArray& oldDay,
              const QByteArray& newDay) {
    if (!startsWithDate(line))
        return false;
    const QByteArrayView day(line.constData(), 10);
    if (day < oldDay)
        return false;
    if (day > newDay)
        return true;
    const qsizetype space = line.indexOf(' ');
    if (space <= 0)
        return false;
    const QDateTime time =
        QDateTime::fromString(QString::fromLatin1(line.left(space)), Qt::ISODateWithMs);
    return time.isValid() && time >= since;
}

std::optional<QString> readCrashText(const QString& path, const Redactor& redactor) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(maxCrashBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return redactor.redact(QString::fromUtf8(bytes));
}

} // namespace

BugReport::Places BugReport::Places::standard() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QFileInfo(documents).isDir())
        documents = QDir::homePath();
    return {Log::files(), QDir::tempPath(), QDir::homePath(), CrashReports::folder(), documents};
}

QStringList BugReport::recentLogLines(int limit) {
    const Places places = Places::standard();
    return recentLogLines(limit, places.logFiles, QDateTime::currentDateTime(),
                          Redactor(places.home, places.tempFolder));
}

QStringList BugReport::recentLogLines(int limit, const QStringList& files, const QDateTime& now,
                                      const Redactor& redactor) {
    if (limit <= 0)
        return {};
    const QDateTime since = now.addSecs(-logWindowSeconds);
    const QDate sinceDay = since.toUTC().date();
    const QByteArray oldDay = sinceDay.addDays(-1).toString(Qt::ISODate).toLatin1();
    const QByteArray newDay = sinceDay.addDays(1).toString(Qt::ISODate).toLatin1();
    QStringList lines;
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        while (!file.atEnd()) {
            QByteArray raw = file.readLine();
            while (raw.endsWith('\n') || raw.endsWith('\r'))
                raw.chop(1);
            if (!isWithin(raw, since, oldDay, newDay))
                continue;
            lines.append(QString::fromUtf8(raw));
            if (lines.size() >= 4 * qsizetype(limit))
                lines.remove(0, lines.size() - limit);
        }
    }
    if (lines.size() > limit)
        lines.remove(0, lines.size() - limit);
    for (QString& line : lines)
        line = redactor.redact(line);
    return lines;
}

QString BugReport::body(const QStringList& attachments,
                        const std::optional<QString>& crashReportName,
                        const std::optional<QStringList>& inlineLog, const SystemInfo& info) {
    QStringList lines{QCoreApplication::translate("BugReport", "What happened?")};
    lines.append(
        crashReportName
            ? QCoreApplication::translate(
                  "BugReport", "(Stowly quit unexpectedly. What were you doing just before?)")
            : QCoreApplication::translate("BugReport",
                                          "(What were you doing, and what went wrong? Steps to "
                                          "make it happen again help a lot.)"));
    lines << QString() << QString() << QStringLiteral("—");
    lines << QStringLiteral("Stowly ") + info.appVersion;
    lines << platformWords::systemName() + u' ' + info.osVersion;
    lines << platformWords::machineLabel() + QStringLiteral(": ") + info.model +
                 QStringLiteral(", ") + info.chip;
    if (crashReportName)
        lines << QStringLiteral("Crash: ") + *crashReportName;
    if (!attachments.isEmpty())
        lines << QStringLiteral("Attached: ") + attachments.join(QStringLiteral(", "));
    if (inlineLog) {
        lines << QString() << QCoreApplication::translate("BugReport", "Stowly’s recent log:");
        lines << (inlineLog->isEmpty()
                      ? QCoreApplication::translate("BugReport", "(nothing logged recently)")
                      : inlineLog->join(u'\n'));
    }
    return lines.join(u'\n');
}

QString BugReport::mailtoBody(const std::optional<QString>& crashReportName, const QStringList& log,
                              const SystemInfo& info, const QString& crashesFolder) {
    const QString crashNote =
        crashReportName
            ? QStringLiteral("\n\n") + platformWords::crashReportNotAttached(crashesFolder)
            : QString();
    QStringList kept = log;
    // The note counts too: the whole text is what must fit into the link.
    auto render = [&] { return body({}, crashReportName, kept, info) + crashNote; };
    QString text = render();
    while (!kept.isEmpty() && text.size() >= linkBodyLimit) {
        const qsizetype drop = kept.size() < 10 ? 1 : kept.size() / 10;
        kept.remove(0, drop);
        text = render();
    }
    return text;
}

QString BugReport::subject(const SystemInfo& info) {
    return QStringLiteral("Stowly bug report (version ") + info.appVersion + u')';
}

QString BugReport::folderName() {
    return QStringLiteral("Stowly Bug Report");
}

QString BugReport::messageFileName() {
    return QStringLiteral("Message.txt");
}

QString BugReport::logFileName() {
    return QStringLiteral("Stowly log.txt");
}

QString BugReport::crashAttachmentName(const QString& crashReportName) {
    const QString name = QFileInfo(crashReportName).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return (dot > 0 ? name.left(dot) : name) + QStringLiteral(".txt");
}

QString BugReport::defaultCrashesDisplay() {
    return displayPath(CrashReports::folder(), QDir::homePath());
}

BugReport::Outcome BugReport::openEmail(const SystemInfo& info, const QStringList& log,
                                        const std::optional<QString>& crashReportName,
                                        const std::optional<QString>& crashText,
                                        MailHandoff& handoff, const Places& places) {
    Outcome outcome;
    outcome.folder = makeReportFolder(places.tempFolder);
    QStringList names;
    if (!outcome.folder.isEmpty()) {
        const QString logText = QStringLiteral("Stowly ") + info.appVersion +
                                QStringLiteral(" (build ") + info.build + QStringLiteral(")\n") +
                                (log.isEmpty() ? nothingLogged : log.join(u'\n')) + u'\n';
        const QString logPath = QDir(outcome.folder).filePath(logFileName());
        if (writeNewFile(logPath, logText.toUtf8())) {
            outcome.attachments << logPath;
            names << logFileName();
        }
        if (crashReportName && crashText) {
            const QString name = crashAttachmentName(*crashReportName);
            const QString crashPath = QDir(outcome.folder).filePath(name);
            if (name != logFileName() && writeNewFile(crashPath, crashText->toUtf8())) {
                outcome.attachments << crashPath;
                names << name;
            }
        }
    }

    const QString title = subject(info);
    MailHandoff::Draft draft{Support::emailAddress(), title,
                             body(names, crashReportName, std::nullopt, info), outcome.attachments};
    outcome.composed = handoff.compose(draft);
    if (!outcome.composed) {
        outcome.link =
            Support::mailURL(title, mailtoBody(crashReportName, log, info,
                                               displayPath(places.crashesFolder, places.home)));
        outcome.linkOpened = handoff.open(outcome.link);
    }
    if (!outcome.handedOver())
        outcome.keptFolder = keepForSending(draft, outcome.attachments, places.keepFolder);
    return outcome;
}

void BugReport::compose(const std::optional<CrashReports::File>& crash,
                        std::shared_ptr<MailHandoff> handoff,
                        std::function<void(const Outcome&)> done, const Places& places) {
    struct Gathered {
        SystemInfo info;
        QStringList log;
        std::optional<QString> crashName;
        std::optional<QString> crashText;
    };
    // The application object outlives every report. The hand-off waits for the desktop's
    // helpers, so it happens out here too.
    background::run(
        QCoreApplication::instance(),
        [crash, places, handoff = std::move(handoff)] {
            const Redactor redactor(places.home, places.tempFolder);
            Gathered gathered{SystemInfo::current(),
                              recentLogLines(composedLogLines, places.logFiles,
                                             QDateTime::currentDateTime(), redactor),
                              std::nullopt, std::nullopt};
            if (crash) {
                gathered.crashName = QFileInfo(crash->url).fileName();
                gathered.crashText = readCrashText(crash->url, redactor);
            }
            return openEmail(gathered.info, gathered.log, gathered.crashName, gathered.crashText,
                             *handoff, places);
        },
        [done = std::move(done)](const Outcome& outcome) {
            if (done)
                done(outcome);
        });
}

} // namespace stowly
