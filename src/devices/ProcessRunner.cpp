#include "devices/ProcessRunner.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace stowly {

QString ProcessRunner::findProgram(const QString& program) {
    if (program.contains(u'/')) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? program : QString();
    }
    QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(program, {QStringLiteral("/usr/local/sbin"),
                                                         QStringLiteral("/usr/sbin"),
                                                         QStringLiteral("/sbin")});
    return found;
}

bool ProcessRunner::hasProgram(const QString& program) {
    return !findProgram(program).isEmpty();
}

CommandResult ProcessRunner::run(const QString& program, const QStringList& arguments,
                                 Timeout timeout) {
    const QString path = findProgram(program);
    if (path.isEmpty())
        return CommandResult::notRun(tr("The program “%1” wasn’t found.").arg(program));
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(int(Timeout(std::chrono::seconds(30)).count())))
        return CommandResult::notRun(process.errorString());

    CommandResult result;
    if (!process.waitForFinished(int(std::min<Timeout::rep>(timeout.count(), INT_MAX)))) {
        // A hung child must never hang its caller: stop it, and say so.
        process.kill();
        process.waitForFinished(5000);
        const auto seconds = (timeout.count() + 999) / 1000;
        result.failure = seconds == 1
                             ? tr("It didn’t finish within a second.")
                             : tr("It didn’t finish within %n seconds.", nullptr, int(seconds));
    } else if (process.exitStatus() == QProcess::CrashExit) {
        result.failure = tr("It stopped unexpectedly.");
    } else {
        result.status = process.exitCode();
    }
    result.output = process.readAllStandardOutput();
    result.errorOutput = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace stowly
