#pragma once

#include "app/ImportPromptStyle.h"
#include "media/CardVolume.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <optional>

namespace stowly {

// What the import prompter asks of the application: its settings, destinations and state.
// Called on the main thread only.
class ImportPrompterHost {
public:
    virtual ~ImportPrompterHost() = default;

    virtual bool askToImport() const = 0;
    virtual ImportPromptStyle importPromptStyle() const = 0;
    virtual std::optional<QString> destinationPath() const = 0;
    virtual QStringList favoriteDestinationPaths() const = 0;
    virtual QSet<QString> ignoredImportIdentities() const = 0;
    // Never prompt for this card again (remembers its identity and name).
    virtual void ignoreImports(const CardVolume& card) = 0;
    // An offload is running.
    virtual bool isBusy() const = 0;
    // An erase is running.
    virtual bool isFormatting() const = 0;
    // The cards the volume watcher lists now.
    virtual QList<CardVolume> mountedCards() const = 0;
    // Brings the window forward with the card selected.
    virtual void showForImport(const CardVolume& card) = 0;
};

} // namespace stowly
