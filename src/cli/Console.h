#pragma once

#include "cli/TerminalDevice.h"

#include <QTextStream>

namespace stowly {

// Where a command writes: results on standard output, progress and messages on standard error.
// Text goes out with its control characters escaped (see TerminalText); only writeOut's bytes
// and the progress bar's own redraw reach the terminal as they are.
class Console {
public:
    Console();

    QTextStream& out() { return m_out; }
    QTextStream& err() { return m_err; }
    // A whole line on standard error, written at once.
    void message(const QString& line);
    // Bytes on standard output, after whatever text is still buffered.
    void writeOut(QByteArrayView bytes);
    // Puts `line` in place of the line standard error's terminal shows; empty clears it.
    void replaceErrLine(const QString& line);

    bool errIsTerminal() const { return m_errIsTerminal; }
    // Width of the terminal standard error writes to; 80 when it cannot be told.
    int errColumns() const;

private:
    TerminalDevice m_outDevice;
    TerminalDevice m_errDevice;
    QTextStream m_out;
    QTextStream m_err;
    bool m_errIsTerminal;
};

} // namespace stowly
