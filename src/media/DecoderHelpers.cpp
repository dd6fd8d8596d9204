#include "media/DecoderHelpers.h"

#include "base/FileNames.h"
#include "base/Log.h"
#include "media/DecoderLaunch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace stowly {
namespace {

constexpr int helperSocket = 3;

QByteArray helperProgram() {
    const QByteArray chosen = qgetenv("STOWLY_DECODER");
    if (!chosen.isEmpty())
        return chosen;
    const QString folder = QCoreApplication::instance()
                               ? QCoreApplication::applicationDirPath()
                               : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return QFile::encodeName(folder + QStringLiteral("/stowly-decoder"));
}

// Waits until the helper has something to say, the stop comes or the time is up.
bool answerComing(int socket, const std::stop_token& stop, const QElapsedTimer& clock,
                  int timeLimitMs) {
    while (!stop.stop_requested() && clock.elapsed() < timeLimitMs) {
        pollfd wait{socket, POLLIN, 0};
        const int ready = ::poll(&wait, 1, 100);
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
    }
    return false;
}

} // namespace

DecoderHelpers& DecoderHelpers::shared() {
    // Never destroyed: a worker may still be asking while the program ends, and the helpers
    // end with it anyway.
    static auto* helpers = new DecoderHelpers;
    return *helpers;
}

DecoderHelpers::~DecoderHelpers() {
    // A waiting helper ends when its socket closes.
    for (const Helper& helper : m_waiting) {
        ::close(helper.socket);
        ::waitpid(helper.pid, nullptr, WNOHANG);
    }
}

std::optional<decodeWire::Answer> DecoderHelpers::ask(const QByteArray& path,
                                                      decodeWire::Request request, int timeLimitMs,
                                                      std::stop_token stop) {
    if (stop.stop_requested())
        return std::nullopt;
    // Never a FIFO or a device: opening one could block, and the helper gets what is opened.
    const int file = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (file < 0)
        return std::nullopt;
    struct stat facts {};
    if (::fstat(file, &facts) != 0 || !S_ISREG(facts.st_mode)) {
        ::close(file);
        return std::nullopt;
    }
    request.fileName = fileNames::nameOf(path);
    QElapsedTimer clock;
    clock.start();
    std::optional<decodeWire::Answer> answer;
    std::optional<Helper> helper;
    // A helper kept from an earlier file may have ended since (and the check in take() may come
    // too soon to see it): the file then goes to a new one. A new helper that ends on it has
    // ended because of it.
    for (bool kept = true; kept && !answer;) {
        helper = take(&kept);
        if (!helper)
            break;
        if (decodeWire::sendRequest(helper->socket, file, request) &&
            answerComing(helper->socket, stop, clock, timeLimitMs))
            answer = decodeWire::receiveAnswer(
                helper->socket, int(timeLimitMs - clock.elapsed()) + 1000,
                request.kind == decodeWire::Request::Kind::drawing ? request.edge
                                                                   : decodeWire::maxEdge);
        if (!answer)
            end(*helper);
        if (stop.stop_requested() || clock.elapsed() >= timeLimitMs)
            break;
    }
    ::close(file);
    if (!helper)
        return std::nullopt;
    if (!answer) {
        if (stop.stop_requested())
            return std::nullopt;
        const bool late = clock.elapsed() >= timeLimitMs;
        {
            std::lock_guard lock(m_mutex);
            ++(late ? m_timedOut : m_lost);
        }
        Log::info(Log::Category::app,
                  late ? QStringLiteral("The decoder took longer than %1 s on “%2” and was ended")
                             .arg(timeLimitMs / 1000)
                             .arg(fileNames::decode(path))
                       : QStringLiteral("The decoder ended on “%1”").arg(fileNames::decode(path)));
        return std::nullopt;
    }
    giveBack(*helper);
    return answer;
}

std::optional<DecoderHelpers::Helper> DecoderHelpers::take(bool* kept) {
    for (;;) {
        std::unique_lock lock(m_mutex);
        if (m_waiting.empty())
            break;
        const Helper helper = m_waiting.back();
        m_waiting.pop_back();
        m_busy << helper.pid;
        lock.unlock();
        // A waiting helper says nothing: one that did, or whose socket closed, has ended, and
        // the file it would be given should not fail for that.
        pollfd wait{helper.socket, POLLIN, 0};
        if (::poll(&wait, 1, 0) == 0) {
            *kept = true;
            return helper;
        }
        end(helper);
    }
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return std::nullopt;
    // Descriptor 3 in the helper: dup2 onto itself would keep close-on-exec.
    if (ends[1] == helperSocket) {
        const int moved = ::fcntl(ends[1], F_DUPFD_CLOEXEC, helperSocket + 1);
        ::close(ends[1]);
        ends[1] = moved;
    }
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, ends[1], helperSocket);
    ::posix_spawn_file_actions_addclosefrom_np(&actions, helperSocket + 1);
    const QByteArray program = helperProgram();
    QByteArrayList command = decoderLaunch::command(program);
    if (m_priority == Priority::background)
        command << decoderLaunch::backgroundArgument;
    std::vector<char*> arguments = decoderLaunch::argumentVector(command);
    // A library preloaded into this process (a fault injector, a profiler) has no business in
    // the helper, and inside bubblewrap it is not even there to load.
    std::vector<char*> environment;
    for (char** variable = environ; *variable; ++variable)
        if (std::strncmp(*variable, "LD_PRELOAD=", 11) != 0)
            environment.push_back(*variable);
    environment.push_back(nullptr);
    pid_t pid = -1;
    const int error = ::posix_spawn(&pid, arguments.front(), &actions, nullptr, arguments.data(),
                                    environment.data());
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    if (error != 0) {
        ::close(ends[0]);
        Log::info(Log::Category::app,
                  QStringLiteral("Couldn’t start the decoder %1: %2")
                      .arg(QFile::decodeName(program), QString::fromLocal8Bit(strerror(error))));
        return std::nullopt;
    }
    std::lock_guard lock(m_mutex);
    m_busy << pid;
    *kept = false;
    return Helper{pid, ends[0]};
}

void DecoderHelpers::giveBack(const Helper& helper) {
    std::lock_guard lock(m_mutex);
    m_busy.removeOne(helper.pid);
    m_waiting.push_back(helper);
}

void DecoderHelpers::end(const Helper& helper) {
    // Inside bubblewrap the helper runs under a second bwrap, the first process of its own
    // process namespace; ended first, it takes everything in the namespace with it. Killing only
    // the outer bwrap can leave it waiting for good, holding the socket and the program's
    // standard output.
    QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(helper.pid));
    if (children.open(QIODevice::ReadOnly))
        for (const QByteArray& child : children.readAll().split(' '))
            if (const int pid = child.trimmed().toInt(); pid > 0)
                ::kill(pid, SIGKILL);
    ::kill(helper.pid, SIGKILL);
    ::waitpid(helper.pid, nullptr, 0);
    // Inside bubblewrap the helper is a child of the process ended here, and dies a moment
    // later, closing the card's file it may still hold: its end of the socket closes last. A
    // card about to be ejected or erased must not be found busy by then.
    QElapsedTimer clock;
    clock.start();
    char scratch[4096];
    for (pollfd wait{helper.socket, POLLIN, 0}; clock.elapsed() < 2000;) {
        const int ready = ::poll(&wait, 1, 100);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0)
            continue;
        const ssize_t got = ::recv(helper.socket, scratch, sizeof scratch, MSG_DONTWAIT);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR))
            break;
    }
    ::close(helper.socket);
    std::lock_guard lock(m_mutex);
    m_busy.removeOne(helper.pid);
}

int DecoderHelpers::helpersLost() const {
    std::lock_guard lock(m_mutex);
    return m_lost;
}

int DecoderHelpers::helpersTimedOut() const {
    std::lock_guard lock(m_mutex);
    return m_timedOut;
}

QList<pid_t> DecoderHelpers::helpers() const {
    std::lock_guard lock(m_mutex);
    QList<pid_t> all = m_busy;
    for (const Helper& helper : m_waiting)
        all << helper.pid;
    return all;
}

} // namespace stowly
