#pragma once

#include "app/model/AppFrontEnd.h"
#include "app/model/AppModel.h"
#include "cli/TerminalPasswordAgent.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

namespace stowly {

class SignalWatcher;

// The command line's side of the application model: scripts are never asked, so a question is
// answered no; a command that needs the user's agreement carries it in its options.
class CommandLineFrontEnd : public AppFrontEnd {
public:
    void confirm(const Confirmation&, std::function<void(bool)> done) override { done(false); }
};

// The application model as the command line drives it: the user's stores, preferences and
// ledger, the predecessor's files migrated first, and no card selected, scanned or prompted for
// unless a command asks. What the model remembers (the launch's destination, the last project,
// a card's camera) is stored as the desktop stores it; a command's choices for one run are
// overrides on the preferences (AppSettings::overrideForRun), never stored.
class ModelHost : public QObject {
    Q_OBJECT
public:
    struct Options {
        // Lets the system ask for a password on the terminal.
        bool allowPasswordPrompt = false;
        // The model takes cards as they come and go (a station), not only as commands name them.
        bool followsCards = false;
        // The command copies: it takes up the cascaded copies an earlier program left.
        bool copies = false;
    };
    explicit ModelHost(SignalWatcher& signals);
    ModelHost(SignalWatcher& signals, Options options);
    ~ModelHost() override;

    AppModel& model() const { return *m_model; }
    CommandLineFrontEnd& frontEnd() { return m_frontEnd; }
    bool wasInterrupted() const;

    // Runs the event loop until done() holds, checking whenever the model changes. Returns
    // false when an interrupt came first and `stopOnInterrupt` is set.
    bool waitUntil(const std::function<bool()>& done, bool stopOnInterrupt = true);

    // The mounted cards, listed without selecting or scanning any of them.
    const QList<CardVolume>& listCards();
    // Selects and scans the card; false when interrupted before its session was ready.
    bool scan(const CardVolume& card);
    // Waits a little for the copies on their way to the shared history; why they could not go
    // there, for the summary, when its server did not answer. None without a shared history.
    std::optional<QString> sharedHistoryProblem();

private:
    SignalWatcher& m_signals;
    CommandLineFrontEnd m_frontEnd;
    std::unique_ptr<TerminalPasswordAgent> m_passwordAgent;
    std::unique_ptr<AppModel> m_model;
};

} // namespace stowly
