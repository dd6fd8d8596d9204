#include "devices/CardFormatter.h"

#include "base/Log.h"
#include "devices/CardFileSystem.h"
#include "devices/CommandRunning.h"
#include "devices/FormatGuard.h"
#include "devices/VolumePaths.h"

#include <QFileInfo>

namespace stowly {

CardFormatter::CardFormatter(std::shared_ptr<CommandRunning> runner, bool allowPrompts)
    : m_runner(std::move(runner)), m_tool(DiskTool::platform(*m_runner, allowPrompts)) {}

CardFormatter::CardFormatter(std::unique_ptr<DiskTool> tool) : m_tool(std::move(tool)) {}

CardFormatter::~CardFormatter() = default;

QString CardFormatter::unreadableCard(const QString& cardName) {
    return tr("Stowly couldn’t read information about %1.").arg(cardName);
}

QString CardFormatter::uncheckedStartupDisk() {
    return tr("Stowly couldn’t check your startup disk, so it won’t format anything.");
}

QString CardFormatter::unsupportedFormat(const QString& cardName, const DiskFacts& facts) {
    const QString format =
        facts.filesystemName.value_or(facts.filesystemType.value_or(tr("this format")));
    return tr("%1 uses %2. Stowly formats exFAT and FAT32 cards only — format it in your camera "
              "instead.")
        .arg(cardName, format);
}

QString CardFormatter::changedMeanwhile(const QString& cardName) {
    return tr("Something on %1 changed and isn’t offloaded yet, so it wasn’t formatted.")
        .arg(cardName);
}

std::optional<DiskFacts> CardFormatter::facts(const QString& target) {
    return m_tool->facts(target);
}

FormatOutcome CardFormatter::format(const CardVolume& card,
                                    const std::optional<QString>& destinationPath,
                                    const std::optional<QString>& destinationVolume,
                                    const std::function<bool()>& stillReady) {
    const std::optional<DiskFacts> cardFacts = facts(card.url);
    if (!cardFacts)
        return FormatOutcome::refused(unreadableCard(card.name));
    const std::optional<DiskFacts> boot = facts(QStringLiteral("/"));
    if (!boot)
        return FormatOutcome::refused(uncheckedStartupDisk());

    std::optional<QString> volume = destinationVolume;
    if (!volume && destinationPath)
        volume = m_tool->volumePath(*destinationPath);
    const std::optional<DiskFacts> destination = volume ? facts(*volume) : std::nullopt;

    if (const std::optional<QString> reason =
            FormatGuard::refusal(*cardFacts, card.url, boot, destination, destinationPath))
        return FormatOutcome::refused(*reason);
    // A destination reached through a link onto the card is on the card all the same.
    if (destinationPath) {
        const QString resolved = QFileInfo(*destinationPath).canonicalFilePath();
        if (!resolved.isEmpty() && cardFacts->mountPoint &&
            VolumePaths::isOnVolume(resolved, VolumePaths::normalized(*cardFacts->mountPoint)))
            return FormatOutcome::refused(FormatGuard::destinationOnCard());
    }

    const std::optional<CardFileSystem> fileSystem =
        cardFileSystem::detect(cardFacts->filesystemType, cardFacts->filesystemName);
    if (!fileSystem)
        return FormatOutcome::refused(unsupportedFormat(card.name, *cardFacts));
    if (!stillReady || !stillReady())
        return FormatOutcome::refused(changedMeanwhile(card.name));

    // The card comes back under the name the user saw and agreed to erase, whatever the disk
    // tool calls it now.
    const QString newName = cardFileSystem::validName(*fileSystem, card.name);
    const FormatOutcome erased = m_tool->erase(*cardFacts, card.name, *fileSystem, newName);
    if (!erased.isFormatted()) {
        Log::info(Log::Category::app, QStringLiteral("Erasing ") + card.url + QStringLiteral(": ") +
                                          erased.description());
        return erased;
    }
    const std::optional<DiskFacts> after = facts(cardFacts->devicePath());
    const FormatOutcome outcome =
        FormatOutcome::formatted(newName, after ? after->mountPoint : std::nullopt, erased.note);
    Log::info(Log::Category::app,
              QStringLiteral("Erasing ") + card.url + QStringLiteral(": ") + outcome.description());
    return outcome;
}

} // namespace stowly
