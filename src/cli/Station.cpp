#include "cli/Station.h"

#include "app/AppLaunch.h"
#include "cli/SignalWatcher.h"
#include "devices/VolumeWatcher.h"
#include "history/LegacyMigration.h"
#include "session/OffloadSession.h"

#include <QEventLoop>
#include <QTimer>

namespace stowly {

Station::Station(SignalWatcher& signals, Settings settings) : m_signals(signals) {
    AppStores stores;
    if (settings == Settings::runCopy) {
        // The copy must see the preferences the predecessor left, so migrate before reading.
        LegacyMigration::run();
        m_stored = std::make_unique<AppSettings>(AppSettings::openStandardPreferences());
        stores.settings = inMemoryCopy(*m_stored);
    }
    AppPlatform platform;
    platform.usesNotifications = false;
    // Cards are picked by the command, never by their appearing.
    platform.followsMountedCards = false;
    m_model = AppLaunch::makeModel(std::move(stores), std::move(platform), false);
    m_model->setFrontEnd(&m_frontEnd);

    if (m_stored) {
        // The launch's choice of destination is what the desktop would store too.
        const AppSettings& copy = m_model->settings();
        if (copy.destinationMovedToFavorites() && !m_stored->destinationMovedToFavorites())
            m_stored->setDestinationMovedToFavorites(true);
        if (copy.destinationPath() != m_stored->destinationPath())
            m_stored->setDestinationPath(copy.destinationPath());
    }
}

Station::~Station() {
    m_model->setFrontEnd(nullptr);
}

AppSettings& Station::storedSettings() const {
    return m_stored ? *m_stored : m_model->settings();
}

bool Station::wasInterrupted() const {
    return m_signals.wasInterrupted();
}

bool Station::waitUntil(const std::function<bool()>& done, bool stopOnInterrupt) {
    QEventLoop loop;
    const auto check = [&] {
        if (done() || (stopOnInterrupt && wasInterrupted()))
            loop.quit();
    };
    QList<QMetaObject::Connection> connections{
        connect(m_model.get(), &AppModel::sessionChanged, &loop, check),
        connect(m_model.get(), &AppModel::sessionUpdated, &loop, check),
        connect(m_model.get(), &AppModel::scanningChanged, &loop, check),
        connect(m_model.get(), &AppModel::ejectingChanged, &loop, check),
        connect(m_model.get(), &AppModel::formatEnded, &loop, check),
        connect(m_model.get(), &AppModel::ejectEnded, &loop, check),
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

const QList<CardVolume>& Station::listCards() {
    m_model->startWatchingCards();
    return m_model->cards();
}

bool Station::scan(const CardVolume& card) {
    m_model->select(card, false);
    return waitUntil([this, card] {
        const OffloadSession* session = m_model->session();
        return session && !m_model->isScanning() && session->card() == card;
    });
}

std::unique_ptr<AppSettings> Station::inMemoryCopy(const AppSettings& from) {
    auto copy = std::make_unique<AppSettings>(nullptr);
    AppSettings& to = *copy;
    to.setDestinationPath(from.destinationPath());
    to.setEjectAfterOffload(from.ejectAfterOffload());
    to.setFolderTemplate(from.folderTemplate());
    to.setFileTemplate(from.fileTemplate());
    to.setLastProject(from.lastProject());
    to.setRecentProjects(from.recentProjects());
    to.setIncludedCategories(from.includedCategories());
    to.setPlaySuccessSound(from.playSuccessSound());
    to.setSkipShortClips(from.skipShortClips());
    to.setShortClipSeconds(from.shortClipSeconds());
    to.setQuickDump(from.quickDump());
    to.setDateFilter(from.dateFilter());
    to.setFileRules(from.fileRules());
    to.setThemeID(from.themeID());
    to.setAppearance(from.appearance());
    to.setMediaLayout(from.mediaLayout());
    to.setShowListThumbnails(from.showListThumbnails());
    to.setKeepRunningInMenuBar(from.keepRunningInMenuBar());
    to.setAskToImport(from.askToImport());
    to.setImportPromptStyle(from.importPromptStyle());
    to.setShowMenuBarIcon(from.showMenuBarIcon());
    to.setIgnoredImportCards(from.ignoredImportCards());
    to.setDestinationMovedToFavorites(from.destinationMovedToFavorites());
    return copy;
}

} // namespace stowly
