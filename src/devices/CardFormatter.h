#pragma once

#include "devices/DiskFacts.h"
#include "devices/DiskTool.h"
#include "devices/FormatOutcome.h"
#include "media/CardVolume.h"

#include <QCoreApplication>

#include <functional>
#include <memory>
#include <optional>

namespace stowly {

class CommandRunning;

// Erases a fully offloaded card behind the guards. Keeps no state between calls; format
// blocks, so callers run it on a worker thread.
class CardFormatter {
    Q_DECLARE_TR_FUNCTIONS(CardFormatter)

public:
    // Runs the platform's disk tools through runner; allowPrompts lets the system ask the user
    // for a password where the erase needs one.
    explicit CardFormatter(std::shared_ptr<CommandRunning> runner, bool allowPrompts = false);
    explicit CardFormatter(std::unique_ptr<DiskTool> tool);
    ~CardFormatter();

    // destinationPath: the chosen destination folder; destinationVolume: the mount path of
    // the volume holding it (worked out from the path when not given). stillReady re-checks
    // the card just before the erase, on the calling thread.
    FormatOutcome format(const CardVolume& card, const std::optional<QString>& destinationPath,
                         const std::optional<QString>& destinationVolume,
                         const std::function<bool()>& stillReady);

    // The disk facts of a mount path or device.
    std::optional<DiskFacts> facts(const QString& target);

    DiskTool& tool() { return *m_tool; }

    static QString unreadableCard(const QString& cardName);
    static QString uncheckedStartupDisk();
    static QString unsupportedFormat(const QString& cardName, const DiskFacts& facts);
    static QString changedMeanwhile(const QString& cardName);

private:
    std::shared_ptr<CommandRunning> m_runner;
    std::unique_ptr<DiskTool> m_tool;
};

} // namespace stowly
