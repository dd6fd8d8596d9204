#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace stowly::decodeWire {

// What passes between the program and its decoding helper over a Unix socket. The file goes as
// an open descriptor, so the helper never needs a path of its own; the helper is as untrusted
// as the files it decodes, so everything it sends back is checked before it is used.

// The largest edge either side asks for or accepts.
inline constexpr int maxEdge = 8192;

struct Request {
    enum class Kind : qint32 { drawing, duration, facts };
    Kind kind = Kind::drawing;
    // The file's name, for its extension: the descriptor has none.
    QString fileName;
    // For a drawing: the longest side it may have.
    int edge = 0;
};

struct Answer {
    bool drawn = false;
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    // 32-bit pixels, 0xAARRGGBB in the machine's order (QImage::Format_ARGB32).
    QByteArray pixels;
    // For a duration: how long the clip plays, in seconds.
    std::optional<double> seconds;
    // For facts: what the file holds, as MediaFacts::toWire encodes it; at most
    // maxFactsBytes.
    QByteArray facts;
};

inline constexpr int maxFactsBytes = 8192;

// Each returns false once the socket failed or the other side went away.
bool sendRequest(int socket, int fileDescriptor, const Request& request);
// The request and the descriptor that came with it (the caller closes it); none when the
// socket closed or what came was not a request.
std::optional<std::pair<Request, int>> receiveRequest(int socket);
bool sendAnswer(int socket, const Answer& answer);
// Waits at most `timeoutMs` for the whole answer; none when it did not come in time, the
// helper went away, or what came is not a well-formed answer, with no side of a drawing over
// `maxSide` (what was asked for).
std::optional<Answer> receiveAnswer(int socket, int timeoutMs, int maxSide = maxEdge);

} // namespace stowly::decodeWire
