#include "cli/Console.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>

namespace stowly {

Console::Console()
    : m_outDevice(stdout), m_errDevice(stderr), m_out(&m_outDevice), m_err(&m_errDevice),
      m_errIsTerminal(::isatty(STDERR_FILENO)) {}

void Console::message(const QString& line) {
    m_out.flush();
    m_err << line << '\n';
    m_err.flush();
}

void Console::writeOut(QByteArrayView bytes) {
    m_out.flush();
    std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void Console::replaceErrLine(const QString& line) {
    m_err.flush();
    std::fputs("\r\x1b[K", stderr);
    m_err << line;
    m_err.flush();
}

int Console::errColumns() const {
    struct winsize size {};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

} // namespace stowly
