#pragma once

namespace stowly {

// The decoding helper's side of the socket: answers each request for a drawing of a file with
// its pixels, each request for a clip's duration with its seconds (or with nothing when it
// cannot), and each request for a file's facts with what it holds, until the program closes the
// socket.
struct DecodeService {
    // Returns when the socket closed.
    static void serve(int socket);
};

} // namespace stowly
