#pragma once

namespace stowly {

// The decoding helper's side of the socket: answers each request for a drawing of a file with
// its pixels, or with "not drawn", until the program closes the socket.
struct DecodeService {
    // Returns when the socket closed.
    static void serve(int socket);
};

} // namespace stowly
