#include "copy/SystemError.h"

#include <cstring>

namespace stowly {

QString systemErrorText(int errnum) {
    char buffer[256];
    // GNU strerror_r may return a static string instead of filling the buffer.
    const char* text = ::strerror_r(errnum, buffer, sizeof buffer);
    return QString::fromLocal8Bit(text);
}

} // namespace stowly
