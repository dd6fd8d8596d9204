#include "base/DecodeWire.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace stowly::decodeWire {
namespace {

constexpr quint32 requestMagic = 0x53544452; // "STDR"
constexpr quint32 answerMagic = 0x53544441;  // "STDA"
constexpr int maxNameBytes = 4096;

struct RequestHeader {
    quint32 magic;
    qint32 kind;
    qint32 edge;
    qint32 nameBytes;
};

struct AnswerHeader {
    quint32 magic;
    qint32 hasSeconds;
    double seconds;
    qint32 drawn;
    qint32 width;
    qint32 height;
    qint32 bytesPerLine;
    qint64 size;
    qint32 factsBytes;
};

bool writeAll(int socket, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t sent = ::send(socket, data, size_t(size), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        data += sent;
        size -= sent;
    }
    return true;
}

// Reads exactly `size` bytes before the deadline (none: wait as long as it takes).
bool readAll(int socket, char* data, qint64 size, const QElapsedTimer* clock = nullptr,
             int timeoutMs = -1) {
    while (size > 0) {
        if (clock) {
            const qint64 left = timeoutMs - clock->elapsed();
            if (left <= 0)
                return false;
            pollfd wait{socket, POLLIN, 0};
            const int ready = ::poll(&wait, 1, int(left));
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0)
                return false;
        }
        const ssize_t got = ::recv(socket, data, size_t(size), 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        data += got;
        size -= got;
    }
    return true;
}

// A request's header, with room beside it for the descriptor that travels with it.
struct RequestMessage {
    explicit RequestMessage(RequestHeader* header) : part{header, sizeof *header} {
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
    }
    RequestMessage(const RequestMessage&) = delete;
    RequestMessage& operator=(const RequestMessage&) = delete;

    iovec part;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    msghdr message{};
};

} // namespace

bool sendRequest(int socket, int fileDescriptor, const Request& request) {
    const QByteArray name = request.fileName.toUtf8().left(maxNameBytes);
    RequestHeader header{requestMagic, qint32(request.kind), request.edge, qint32(name.size())};
    RequestMessage sending(&header);
    msghdr& message = sending.message;
    cmsghdr* rights = CMSG_FIRSTHDR(&message);
    rights->cmsg_level = SOL_SOCKET;
    rights->cmsg_type = SCM_RIGHTS;
    rights->cmsg_len = CMSG_LEN(sizeof(int));
    std::memcpy(CMSG_DATA(rights), &fileDescriptor, sizeof(int));
    ssize_t sent;
    do
        sent = ::sendmsg(socket, &message, MSG_NOSIGNAL);
    while (sent < 0 && errno == EINTR);
    if (sent != ssize_t(sizeof header))
        return false;
    return writeAll(socket, name.constData(), name.size());
}

std::optional<std::pair<Request, int>> receiveRequest(int socket) {
    RequestHeader header{};
    RequestMessage receiving(&header);
    msghdr& message = receiving.message;
    ssize_t got;
    do
        got = ::recvmsg(socket, &message, MSG_CMSG_CLOEXEC | MSG_WAITALL);
    while (got < 0 && errno == EINTR);
    int descriptor = -1;
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c))
        if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SCM_RIGHTS &&
            c->cmsg_len == CMSG_LEN(sizeof(int)))
            std::memcpy(&descriptor, CMSG_DATA(c), sizeof(int));
    const bool wellFormed = got == ssize_t(sizeof header) && header.magic == requestMagic &&
                            header.kind >= qint32(Request::Kind::drawing) &&
                            header.kind <= qint32(Request::Kind::facts) && header.nameBytes >= 0 &&
                            header.nameBytes <= maxNameBytes && descriptor >= 0 &&
                            !(message.msg_flags & MSG_CTRUNC);
    QByteArray name(wellFormed ? header.nameBytes : 0, Qt::Uninitialized);
    if (!wellFormed || !readAll(socket, name.data(), name.size())) {
        if (descriptor >= 0)
            ::close(descriptor);
        return std::nullopt;
    }
    return std::pair{Request{Request::Kind(header.kind), QString::fromUtf8(name), header.edge},
                     descriptor};
}

bool sendAnswer(int socket, const Answer& answer) {
    AnswerHeader header{};
    header.magic = answerMagic;
    header.hasSeconds = answer.seconds ? 1 : 0;
    header.seconds = answer.seconds.value_or(0);
    header.drawn = answer.drawn ? 1 : 0;
    header.width = answer.width;
    header.height = answer.height;
    header.bytesPerLine = answer.bytesPerLine;
    header.size = answer.pixels.size();
    const QByteArray facts = answer.facts.size() <= maxFactsBytes ? answer.facts : QByteArray();
    header.factsBytes = qint32(facts.size());
    return writeAll(socket, reinterpret_cast<const char*>(&header), sizeof header) &&
           writeAll(socket, facts.constData(), facts.size()) &&
           writeAll(socket, answer.pixels.constData(), answer.pixels.size());
}

std::optional<Answer> receiveAnswer(int socket, int timeoutMs, int maxSide) {
    QElapsedTimer clock;
    clock.start();
    AnswerHeader header{};
    if (!readAll(socket, reinterpret_cast<char*>(&header), sizeof header, &clock, timeoutMs) ||
        header.magic != answerMagic)
        return std::nullopt;
    Answer answer;
    if (header.hasSeconds == 1) {
        if (!std::isfinite(header.seconds) || header.seconds < 0)
            return std::nullopt;
        answer.seconds = header.seconds;
    }
    if (header.factsBytes < 0 || header.factsBytes > maxFactsBytes)
        return std::nullopt;
    answer.facts.resize(header.factsBytes);
    if (!readAll(socket, answer.facts.data(), header.factsBytes, &clock, timeoutMs))
        return std::nullopt;
    answer.drawn = header.drawn == 1;
    if (!answer.drawn)
        return header.size == 0 ? std::optional(answer) : std::nullopt;
    // Checked in 64 bits: a lying header must not make the size wrap.
    const qint64 width = header.width, height = header.height, line = header.bytesPerLine;
    const qint64 side = std::clamp(maxSide, 1, maxEdge);
    if (width < 1 || height < 1 || width > side || height > side || line < width * 4 ||
        line > width * 4 + 64 || line % 4 != 0 || header.size != line * height)
        return std::nullopt;
    answer.width = int(width);
    answer.height = int(height);
    answer.bytesPerLine = int(line);
    answer.pixels.resize(header.size);
    if (!readAll(socket, answer.pixels.data(), header.size, &clock, timeoutMs))
        return std::nullopt;
    return answer;
}

} // namespace stowly::decodeWire
