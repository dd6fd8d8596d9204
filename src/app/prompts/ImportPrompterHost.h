#pragma once

#include "media/CardVolume.h"

#include <QList>

namespace stowly {

// What the import prompter needs from whoever runs offloads and erases and watches the cards:
// only the state that lives there. Called on the main thread only.
class ImportPrompterHost {
public:
    virtual ~ImportPrompterHost() = default;

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
