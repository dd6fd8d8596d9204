#include "media/DecoderLaunch.h"

#include "base/Log.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace stowly::decoderLaunch {
namespace {

QByteArrayList sandboxed(const QByteArray& bubblewrap, const QByteArray& helper) {
    QByteArrayList command{bubblewrap,
                           "--unshare-all",
                           "--die-with-parent",
                           "--new-session",
                           "--tmpfs",
                           "/",
                           "--ro-bind",
                           "/usr",
                           "/usr",
                           "--proc",
                           "/proc",
                           "--dev",
                           "/dev",
                           "--ro-bind-try",
                           "/etc/ld.so.cache",
                           "/etc/ld.so.cache"};
    // Merged /usr systems link these into it; older ones keep them apart.
    for (const QByteArray folder : {"/bin", "/sbin", "/lib", "/lib32", "/lib64"}) {
        const QFileInfo info(QString::fromLatin1(folder));
        if (info.isSymLink())
            command << "--symlink" << info.symLinkTarget().toLocal8Bit() << folder;
        else if (info.isDir())
            command << "--ro-bind" << folder << folder;
    }
    const QByteArray home = QFileInfo(QFile::decodeName(helper)).absolutePath().toLocal8Bit();
    command << "--ro-bind" << home << home << "--remount-ro"
            << "/"
            << "--" << helper;
    return command;
}

// Whether the helper starts and confines itself inside bubblewrap: a kernel without user
// namespaces or a container that refuses the mounts makes bubblewrap fail at once.
bool starts(const QByteArrayList& command) {
    const QByteArrayList reporting = command + QByteArrayList{"--report-confinement"};
    std::vector<char*> arguments = argumentVector(reporting);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error =
        ::posix_spawn(&pid, arguments.front(), &actions, nullptr, arguments.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        return false;
    int status = 0;
    for (int waited = 0; waited < 500; ++waited) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return false;
}

} // namespace

std::vector<char*> argumentVector(const QByteArrayList& command) {
    std::vector<char*> arguments;
    for (const QByteArray& argument : command)
        arguments.push_back(const_cast<char*>(argument.constData()));
    arguments.push_back(nullptr);
    return arguments;
}

QByteArrayList command(const QByteArray& helper) {
    static std::mutex mutex;
    static QHash<QByteArray, QByteArrayList> decided;
    std::lock_guard lock(mutex);
    if (const auto found = decided.constFind(helper); found != decided.constEnd())
        return *found;
    QByteArrayList chosen{helper};
    const QString bubblewrap = QStandardPaths::findExecutable(QStringLiteral("bwrap"));
    if (bubblewrap.isEmpty()) {
        Log::info(
            Log::Category::app,
            QStringLiteral("The decoder runs confined by itself (bubblewrap isn’t installed)"));
    } else if (const QByteArrayList inside = sandboxed(bubblewrap.toLocal8Bit(), helper);
               starts(inside)) {
        chosen = inside;
        Log::info(Log::Category::app, QStringLiteral("The decoder runs inside bubblewrap"));
    } else {
        Log::info(Log::Category::app,
                  QStringLiteral("The decoder runs confined by itself: bubblewrap is installed "
                                 "but can’t start it on this machine"));
    }
    decided.insert(helper, chosen);
    return chosen;
}

} // namespace stowly::decoderLaunch
