#pragma once

#include "app/model/CardScan.h"

#include <QObject>

#include <memory>
#include <optional>

namespace stowly {

class AppSettings;
class History;
class HistorySender;
class ServerHistory;

// This station's part in a history that several share, when the settings name a server: every
// copy the local history records is sent there too, what the server lacks is sent when it
// answers (at the start and after it was away), forgetting is passed on, and scans ask it for
// the other stations' copies. Without a server it does nothing. Main thread only.
class SharedHistory : public QObject {
    Q_OBJECT
public:
    SharedHistory(AppSettings& settings, History& history, QObject* parent = nullptr);
    ~SharedHistory() override;

    // The server the settings name, or none; a server named wrongly is none, with a problem.
    const std::shared_ptr<ServerHistory>& server() const { return m_server; }
    HistorySender* sender() const { return m_sender.get(); }
    // This station's name: the setting, or the computer's host name.
    QString station() const;
    // What a scan needs to take the other stations' copies into account.
    CardScan::OtherStations otherStations() const;
    // Why the shared history isn't reachable, in the user's words; none while it is, or
    // while there is none.
    std::optional<QString> problem() const;

    // The password the desktop's keyring holds for the server, if any (secret-tool).
    static QString keyringPassword(const QString& serverKey);

Q_SIGNALS:
    void changed();

private:
    void connectToServer();

    AppSettings& m_settings;
    History& m_history;
    std::shared_ptr<ServerHistory> m_server;
    std::unique_ptr<HistorySender> m_sender;
    std::optional<QString> m_settingProblem;
};

} // namespace stowly
