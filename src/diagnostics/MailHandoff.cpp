#include "diagnostics/MailHandoff.h"

#include "base/Log.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace stowly {
namespace {

// Runs the helper and tells whether it handed the e-mail or link over. Not QProcess: one
// that is left running must outlive this call, and QProcess ends its child when it goes.
bool runHelper(const QString& program, const QStringList& arguments, int handedOverAfterMs) {
    const QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty()) {
        Log::info(Log::Category::app, program + QStringLiteral(" is not installed"));
        return false;
    }
    std::vector<QByteArray> storage{QFile::encodeName(executable)};
    for (const QString& argument : arguments)
        storage.push_back(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& item : storage)
        argv.push_back(item.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    // Its chatter is of no use to anyone; the exit status says it all.
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = ::posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (failed != 0)
        return false;

    QDeadlineTimer deadline(handedOverAfterMs);
    int status = 0;
    pid_t ended = 0;
    while ((ended = ::waitpid(pid, &status, WNOHANG)) == 0 && !deadline.hasExpired())
        QThread::msleep(20);
    if (ended == 0) {
        // Still running with the mail program open: handed over. Someone must reap it.
        std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
        return true;
    }
    const bool handedOver = ended == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!handedOver)
        Log::info(Log::Category::app,
                  program + QStringLiteral(" found no program to take it (exit status %1)")
                                .arg(WIFEXITED(status) ? WEXITSTATUS(status) : -1));
    return handedOver;
}

} // namespace

SystemMailHandoff::SystemMailHandoff(QString emailProgram, QString openProgram,
                                     int handedOverAfterMs)
    : m_emailProgram(std::move(emailProgram)), m_openProgram(std::move(openProgram)),
      m_handedOverAfterMs(handedOverAfterMs) {}

QStringList SystemMailHandoff::composeArguments(const Draft& draft) {
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), draft.subject,
                          QStringLiteral("--body"), draft.body};
    for (const QString& file : draft.attachments)
        arguments << QStringLiteral("--attach") << file;
    arguments << draft.to;
    return arguments;
}

bool SystemMailHandoff::compose(const Draft& draft) {
    return runHelper(m_emailProgram, composeArguments(draft), m_handedOverAfterMs);
}

bool SystemMailHandoff::open(const QUrl& link) {
    return runHelper(m_openProgram, {link.toString(QUrl::FullyEncoded)}, m_handedOverAfterMs);
}

} // namespace stowly
