#pragma once

#include "media/CardVolume.h"

#include <QString>

namespace stowly {

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
