#include "app/model/SharedHistory.h"

#include "app/settings/AppSettings.h"
#include "history/History.h"
#include "history/HistorySender.h"
#include "history/ServerHistory.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>

namespace stowly {

SharedHistory::SharedHistory(AppSettings& settings, History& history, QObject* parent)
    : QObject(parent), m_settings(settings), m_history(history) {
    connectToServer();
    m_settings.onChange({setting::historyServer, setting::stationName}, this, [this] {
        connectToServer();
        Q_EMIT changed();
    });
    connect(&m_history, &History::recorded, this, [this](const HistoryEntry& entry) {
        if (m_sender)
            m_sender->send(entry);
    });
    connect(&m_history, &History::forgotten, this, [this](const HistoryEntry& entry) {
        if (m_sender)
            m_sender->forget(entry);
    });
    connect(&m_history, &History::forgottenCard, this, [this](const QString& identity) {
        if (m_sender)
            m_sender->forgetCard(identity);
    });
    // What this station recorded while the server was away, or before it had one.
    connect(&m_history, &History::loaded, this, [this] {
        if (m_sender)
            m_sender->catchUp(m_history.entries());
    });
}

SharedHistory::~SharedHistory() = default;

QString SharedHistory::station() const {
    const QString name = m_settings.value(setting::stationName).trimmed();
    return name.isEmpty() ? QSysInfo::machineHostName() : name;
}

CardScan::OtherStations SharedHistory::otherStations() const {
    return {m_server, m_settings.value(setting::trustOtherStations)};
}

std::optional<QString> SharedHistory::problem() const {
    if (m_settingProblem)
        return m_settingProblem;
    if (m_sender && m_sender->isReachable() == false)
        return m_sender->problem();
    return std::nullopt;
}

QString SharedHistory::keyringPassword(const QString& serverKey) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("secret-tool"));
    if (tool.isEmpty())
        return {};
    QProcess lookup;
    lookup.start(tool, {QStringLiteral("lookup"), QStringLiteral("application"),
                        QStringLiteral("stowly"), QStringLiteral("historyServer"), serverKey});
    if (!lookup.waitForFinished(3000)) {
        lookup.kill();
        lookup.waitForFinished(1000);
        return {};
    }
    if (lookup.exitStatus() != QProcess::NormalExit || lookup.exitCode() != 0)
        return {};
    return QString::fromUtf8(lookup.readAllStandardOutput()).trimmed();
}

void SharedHistory::connectToServer() {
    m_sender.reset();
    m_server.reset();
    m_settingProblem.reset();
    m_history.setStation({});
    const QString text = m_settings.value(setting::historyServer).trimmed();
    if (text.isEmpty())
        return;
    m_history.setStation(station());
    QString error;
    const std::optional<ServerAddress> address = ServerAddress::parse(text, &error);
    if (!address) {
        m_settingProblem = error;
        return;
    }
    // libpq reads ~/.pgpass or the passfile itself; the keyring is asked only without them.
    QString password;
    if (!address->options.contains(QLatin1String("passfile=")) &&
        !QFileInfo::exists(QDir::homePath() + QStringLiteral("/.pgpass")) &&
        qEnvironmentVariableIsEmpty("PGPASSFILE"))
        password = keyringPassword(address->key());
    m_server = std::make_shared<ServerHistory>(*address, station(), password);
    m_sender = std::make_unique<HistorySender>(m_server);
    connect(m_sender.get(), &HistorySender::reachabilityChanged, this, &SharedHistory::changed);
    connect(m_sender.get(), &HistorySender::backOnline, this, [this] {
        if (m_history.isLoaded())
            m_sender->catchUp(m_history.entries());
    });
    if (m_history.isLoaded())
        m_sender->catchUp(m_history.entries());
}

} // namespace stowly
