#pragma once

#include "app/settings/DisplayOptions.h"

#include <QString>

#include <functional>

namespace stowly {

// A question the user confirms or declines.
struct Confirmation {
    QString title;
    QString message;
    QString confirmButton;
};

// What the application model asks of the front end that shows it (the desktop window or the
// command line). Every member has a harmless default, so a front end fills in what it has.
// Called on the main thread.
class AppFrontEnd {
public:
    virtual ~AppFrontEnd() = default;

    // The application is active and its main window exists, is visible and not minimised.
    virtual bool isActive() const { return false; }
    virtual bool hasMainWindow() const { return false; }
    virtual bool isMainWindowVisible() const { return false; }
    bool isInFront() const { return isActive() && hasMainWindow() && isMainWindowVisible(); }

    // Shows the main window and brings the application to the front.
    virtual void showMainWindow() {}
    // The success sound after a clean offload.
    virtual void playSuccessSound() {}
    virtual void setAppearance(AppAppearance) {}
    // Asks; answers through done (at once or later). Without a front end that can ask, the
    // answer is no.
    virtual void confirm(const Confirmation&, std::function<void(bool)> done) { done(false); }
};

} // namespace stowly
