#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

namespace stowly {

struct CommandResult {
    int status = -1;
    QByteArray output;
    // Standard error as UTF-8, invalid sequences replaced.
    QString errorOutput;
    // Why the program did not run to its end (could not start, crashed, timed out); status
    // is then -1 and the output whatever arrived.
    std::optional<QString> failure;

    bool succeeded() const { return !failure && status == 0; }
    // Standard error without surrounding white space and line breaks.
    QString trimmedError() const { return errorOutput.trimmed(); }

    static CommandResult finished(int status, QByteArray output = {}, QString errorOutput = {}) {
        return {status, std::move(output), std::move(errorOutput), std::nullopt};
    }
    static CommandResult notRun(QString why) { return {-1, {}, {}, std::move(why)}; }
};

// Runs a program to its end. Blocks the calling thread, so callers use a worker thread.
class CommandRunning {
public:
    using Timeout = std::chrono::milliseconds;
    static constexpr Timeout defaultTimeout{std::chrono::seconds(60)};

    virtual ~CommandRunning() = default;
    // program is a path or a bare name looked up in PATH and the system's sbin folders.
    virtual CommandResult run(const QString& program, const QStringList& arguments,
                              Timeout timeout = defaultTimeout) = 0;
    // Whether the program can be found at all.
    virtual bool hasProgram(const QString& program) = 0;
};

} // namespace stowly
