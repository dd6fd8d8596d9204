#pragma once

#include <QIODevice>

#include <cstdio>

namespace stowly {

// Standard output or error for text meant for people: what passes through has its control
// characters escaped by TerminalText's rule, line breaks kept, so no name inside a sentence
// reaches the terminal as a command.
class TerminalDevice : public QIODevice {
public:
    explicit TerminalDevice(std::FILE* file);

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    std::FILE* m_file;
};

} // namespace stowly
