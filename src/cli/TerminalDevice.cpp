#include "cli/TerminalDevice.h"

#include "cli/TerminalText.h"

namespace stowly {

TerminalDevice::TerminalDevice(std::FILE* file) : m_file(file) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 TerminalDevice::writeData(const char* data, qint64 size) {
    // A text stream hands over whole characters, so each write decodes on its own.
    const QByteArray shown = TerminalText::lines(QString::fromUtf8(data, qsizetype(size))).toUtf8();
    if (std::fwrite(shown.constData(), 1, size_t(shown.size()), m_file) != size_t(shown.size()))
        return -1;
    std::fflush(m_file);
    return size;
}

} // namespace stowly
