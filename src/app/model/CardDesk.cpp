#include "app/model/CardDesk.h"

#include "session/OffloadSession.h"

namespace stowly {

CardDesk::CardDesk(const CardVolume& card, QObject* parent) : QObject(parent), m_card(card) {}

// The session's run hands its reports to the main thread; it ends before the desk's signals go.
CardDesk::~CardDesk() {
    m_factsReading.request_stop();
    if (m_session)
        m_session->disconnect(this);
    m_session.reset();
}

void CardDesk::setSession(std::unique_ptr<OffloadSession> session) {
    if (!session && !m_session)
        return;
    if (m_session)
        m_session->disconnect(this);
    m_session = std::move(session);
    if (m_session) {
        connect(m_session.get(), &OffloadSession::changed, this, &CardDesk::sessionUpdated);
        connect(m_session.get(), &OffloadSession::changed, this,
                [this] { *m_copying = isRunning(); });
        connect(m_session.get(), &OffloadSession::progressChanged, this,
                [this] { Q_EMIT progressed(m_session->progress()); });
    }
    *m_copying = isRunning();
    Q_EMIT sessionChanged();
}

void CardDesk::addFacts(const QHash<QString, MediaFacts>& facts) {
    if (facts.isEmpty())
        return;
    m_facts.insert(facts);
    Q_EMIT factsChanged();
}

void CardDesk::factsReadingEnded() {
    m_readingFacts = false;
    Q_EMIT factsChanged();
}

std::shared_future<void> CardDesk::stopFactsReading() {
    m_factsReading.request_stop();
    return m_factsEnded;
}

void CardDesk::setFactsReading(std::stop_source reading, std::shared_future<void> ended) {
    m_factsReading.request_stop();
    m_factsReading = std::move(reading);
    m_factsEnded = std::move(ended);
    m_readingFacts = true;
    if (!m_facts.isEmpty()) {
        m_facts.clear();
        Q_EMIT factsChanged();
    }
}

void CardDesk::setScanning(bool scanning) {
    if (scanning == m_isScanning)
        return;
    m_isScanning = scanning;
    Q_EMIT scanningChanged();
}

void CardDesk::setInventory(std::optional<CardInventory> inventory) {
    if (inventory == m_inventory)
        return;
    m_inventory = std::move(inventory);
    Q_EMIT inventoryChanged();
}

void CardDesk::setBlocker(std::optional<OffloadBlocker> blocker) {
    if (blocker == m_blocker)
        return;
    m_blocker = std::move(blocker);
    Q_EMIT blockerChanged();
}

quint64 CardDesk::beginScan() {
    return ++m_scan;
}

bool CardDesk::isBusy() const {
    return m_session && (m_session->isRunning() || m_session->isWaiting());
}

bool CardDesk::isRunning() const {
    return m_session && m_session->isRunning();
}

bool CardDesk::isOpen() const {
    return m_session && m_session->isOpen();
}

bool CardDesk::isWaiting() const {
    return m_session && m_session->isWaiting();
}

bool CardDesk::isFinished() const {
    return m_session && m_session->phase() == OffloadSession::Phase::finished;
}

QUuid CardDesk::offloadID() const {
    return m_session ? m_session->id() : QUuid();
}

QList<Clip> CardDesk::newClips() const {
    return m_session ? m_session->newClips() : QList<Clip>();
}

bool CardDesk::hasOffloadedFiles() const {
    return m_session && (!m_session->inventory().offloaded.isEmpty() ||
                         !m_session->inventory().missing.isEmpty());
}

qint64 CardDesk::newBytes() const {
    return m_session ? m_session->newBytes() : 0;
}

int CardDesk::outsideDatesCount() const {
    return m_session ? m_session->outsideDatesCount() : 0;
}

int CardDesk::skippedShortCount() const {
    return m_session ? int(m_session->skippedShort().clips.size()) : 0;
}

double CardDesk::shortThreshold() const {
    return m_session ? m_session->shortRule().threshold : ShortClipRule().threshold;
}

ReoffloadMode CardDesk::reoffloadMode() const {
    return m_session ? m_session->reoffloadMode() : ReoffloadMode::off;
}

QString CardDesk::projectInput() const {
    return m_session ? m_session->projectInput() : QString();
}

std::optional<QUuid> CardDesk::cameraID() const {
    return m_session ? m_session->cameraID() : std::nullopt;
}

std::optional<QList<PlannedFile>> CardDesk::plan() const {
    return m_session ? m_session->plan() : std::nullopt;
}

OffloadProgress CardDesk::progress() const {
    return m_session ? m_session->progress() : OffloadProgress();
}

std::optional<OffloadSummary> CardDesk::summary() const {
    return m_session ? m_session->summary() : std::nullopt;
}

std::optional<QDateTime> CardDesk::startedAt() const {
    return m_session ? m_session->startedAt() : std::nullopt;
}

void CardDesk::includeAllShort() {
    if (isOpen())
        m_session->setIncludeAllShort(true);
}

void CardDesk::toggleReoffload(const Clip& clip) {
    if (isOpen())
        m_session->toggleReoffload(clip);
}

void CardDesk::toggleIncludeShort(const Clip& clip) {
    if (isOpen())
        m_session->toggleIncludeShort(clip);
}

void CardDesk::cancel() {
    if (m_session)
        m_session->cancel();
}

} // namespace stowly
