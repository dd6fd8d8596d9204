#pragma once

#include "app/AppFrontEnd.h"
#include "app/AppModel.h"

#include <QObject>

#include <functional>
#include <memory>

namespace stowly {

class SignalWatcher;

// The command line's side of the application model: scripts are never asked, so a question is
// answered no; a command that needs the user's agreement carries it in its options.
class CommandLineFrontEnd : public AppFrontEnd {
public:
    void confirm(const Confirmation&, std::function<void(bool)> done) override { done(false); }
};

// The application model as the command line drives it: the user's stores and ledger, the
// predecessor's files migrated first, and no card selected, scanned or prompted for unless a
// command asks.
class Station : public QObject {
    Q_OBJECT
public:
    enum class Settings {
        // The model works on the stored preferences.
        stored,
        // The model works on an in-memory copy, so that a run's choices are not remembered;
        // what the desktop remembers (the launch destination, the last project) is written to
        // the stored preferences by the command.
        runCopy,
    };

    Station(SignalWatcher& signals, Settings settings);
    ~Station() override;

    AppModel& model() const { return *m_model; }
    // The preferences as stored.
    AppSettings& storedSettings() const;
    CommandLineFrontEnd& frontEnd() { return m_frontEnd; }
    bool wasInterrupted() const;

    // Runs the event loop until done() holds, checking whenever the model changes. Returns
    // false when an interrupt came first and `stopOnInterrupt` is set.
    bool waitUntil(const std::function<bool()>& done, bool stopOnInterrupt = true);

    // The mounted cards, listed without selecting or scanning any of them.
    const QList<CardVolume>& listCards();
    // Selects and scans the card; false when interrupted before its session was ready.
    bool scan(const CardVolume& card);

    // An in-memory copy of every preference.
    static std::unique_ptr<AppSettings> inMemoryCopy(const AppSettings& settings);

private:
    SignalWatcher& m_signals;
    CommandLineFrontEnd m_frontEnd;
    std::unique_ptr<AppSettings> m_stored;
    std::unique_ptr<AppModel> m_model;
};

} // namespace stowly
