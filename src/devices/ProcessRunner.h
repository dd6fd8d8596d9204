#pragma once

#include "devices/CommandRunning.h"

#include <QCoreApplication>

namespace stowly {

// Runs child processes with QProcess; safe to use from any thread, no event loop needed.
class ProcessRunner : public CommandRunning {
    Q_DECLARE_TR_FUNCTIONS(ProcessRunner)

public:
    CommandResult run(const QString& program, const QStringList& arguments,
                      Timeout timeout = defaultTimeout) override;
    bool hasProgram(const QString& program) override;

    // The program's full path: PATH first, then the sbin folders (which an ordinary user's
    // PATH often lacks, though mkfs and blkid live there). Empty when not found.
    static QString findProgram(const QString& program);
};

} // namespace stowly
