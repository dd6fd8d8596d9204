#include "cli/ModelHost.h"

#include "print/ReportWriter.h"

#include "app/model/AppLaunch.h"
#include "app/model/CardDevices.h"
#include "app/model/SharedHistory.h"
#include "base/SignalWatcher.h"
#include "devices/VolumeWatcher.h"
#include "history/HistorySender.h"
#include "session/OffloadSession.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace stowly {

ModelHost::ModelHost(SignalWatcher& signals) : ModelHost(signals, Options{}) {}

ModelHost::ModelHost(SignalWatcher& signals, Options options) : m_signals(signals) {
    AppPlatform platform;
    platform.allowsAuthorizationPrompts = options.allowPasswordPrompt;
    if (options.allowPasswordPrompt)
        m_passwordAgent = std::make_unique<TerminalPasswordAgent>();
    platform.usesNotifications = false;
    // Cards are picked by the command, never by their appearing, unless it follows them.
    platform.followsMountedCards = options.followsCards;
    platform.takesUpCascades = options.copies;
    m_model = AppLaunch::makeModel(AppStores{}, std::move(platform), false);
    m_model->setFrontEnd(&m_frontEnd);
    m_model->setReportPrinter(ReportWriter::printer);
}

ModelHost::~ModelHost() {
    m_model->setFrontEnd(nullptr);
    // What the shared history lacked (sent from the start) goes before the program ends.
    if (HistorySender* sender = m_model->sharedHistory().sender())
        sender->waitUntilSent(std::chrono::seconds(15));
}

bool ModelHost::wasInterrupted() const {
    return m_signals.wasInterrupted();
}

bool ModelHost::waitUntil(const std::function<bool()>& done, bool stopOnInterrupt) {
    QEventLoop loop;
    const auto check = [&] {
        if (done() || (stopOnInterrupt && wasInterrupted()))
            loop.quit();
    };
    QList<QMetaObject::Connection> connections{
        connect(m_model.get(), &AppModel::sessionChanged, &loop, check),
        connect(m_model.get(), &AppModel::sessionUpdated, &loop, check),
        connect(m_model.get(), &AppModel::scanningChanged, &loop, check),
        connect(&m_model->devices(), &CardDevices::ejectingChanged, &loop, check),
        connect(m_model.get(), &AppModel::formatEnded, &loop, check),
        connect(&m_model->devices(), &CardDevices::ejectEnded, &loop, check),
        connect(&m_signals, &SignalWatcher::interrupted, &loop, check),
    };
    // A safety net for a change that arrives without a signal.
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, check);
    poll.start(250);
    if (!done() && !(stopOnInterrupt && wasInterrupted()))
        loop.exec();
    for (const auto& connection : connections)
        disconnect(connection);
    return done();
}

const QList<CardVolume>& ModelHost::listCards() {
    m_model->startWatchingCards();
    return m_model->cards();
}

bool ModelHost::scan(const CardVolume& card) {
    m_model->select(card, false);
    return waitUntil([this, card] {
        const OffloadSession* session = m_model->session();
        return session && !m_model->isScanning() && session->card() == card;
    });
}

std::optional<QString> ModelHost::sharedHistoryProblem() {
    SharedHistory& shared = m_model->sharedHistory();
    // Enough for a server that answers to take a run's records, and for one that is reconnecting.
    if (HistorySender* sender = shared.sender())
        sender->waitUntilSent(std::chrono::seconds(15));
    const std::optional<QString> problem = shared.problem();
    if (!problem)
        return std::nullopt;
    return *problem + u' ' +
           QCoreApplication::translate("ModelHost",
                                       "The copies are recorded on this station, and go to the "
                                       "shared history once its server answers.");
}

} // namespace stowly
