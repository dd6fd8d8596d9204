#pragma once

#include <QTextStream>

namespace stowly {

// Where a command writes: results on standard output, progress and messages on standard error.
class Console {
public:
    Console();

    QTextStream& out() { return m_out; }
    QTextStream& err() { return m_err; }
    // A whole line on standard error, written at once.
    void message(const QString& line);
    // Bytes on standard output, after whatever text is still buffered.
    void writeOut(QByteArrayView bytes);

    bool errIsTerminal() const { return m_errIsTerminal; }
    // Width of the terminal standard error writes to; 80 when it cannot be told.
    int errColumns() const;

private:
    QTextStream m_out;
    QTextStream m_err;
    bool m_errIsTerminal;
};

} // namespace stowly
