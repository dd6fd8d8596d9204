#pragma once

#include <QString>

#include <memory>

namespace stowly {

// Keeps the computer awake while Stowly copies or erases: no sleep, no sleep when idle, no
// shutdown without asking, for as long as a hold lasts. A laptop that sleeps in the middle of
// an offload leaves a card half copied and a reader powered down under it.
class SleepInhibitor {
public:
    // Ends when destroyed.
    class Hold {
    public:
        virtual ~Hold() = default;
    };

    virtual ~SleepInhibitor() = default;
    // A hold saying why ("Copying “A7SIII”"); none where the system takes none (the reason is
    // logged), and the work goes on regardless.
    virtual std::unique_ptr<Hold> hold(const QString& why) = 0;

    // This computer's: logind's inhibitors on Linux.
    static std::shared_ptr<SleepInhibitor> platform();
};

} // namespace stowly
