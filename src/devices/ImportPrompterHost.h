#pragma once

#include "devices/ImportPromptStyle.h"
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

// Shows the prompt on screen; the desktop implements it. Called on the main thread only.
class ImportPromptPresenter {
public:
    virtual ~ImportPromptPresenter() = default;

    // A notification with the import actions. Where notifications cannot be shown (no
    // permission yet, permission denied, alerts off, posting failed) the presenter shows the
    // panel instead, logging why.
    virtual void showNotification(const CardVolume& card, const QString& title) = 0;
    // The floating panel, replacing an open one for the same card.
    virtual void showPanel(const CardVolume& card, const QString& title) = 0;
    virtual void closePanel(const QString& cardPath) = 0;
    virtual void removeNotification(const QString& cardPath) = 0;
};

} // namespace stowly
