#include "app/model/CardDesk.h"

#include "session/OffloadSession.h"

namespace stowly {

CardDesk::CardDesk(const CardVolume& card, QObject* parent) : QObject(parent), m_card(card) {}

// The session's run hands its reports to the main thread; it ends before the desk's signals go.
CardDesk::~CardDesk() {
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
        connect(m_session.get(), &OffloadSession::progressChanged, this, &CardDesk::progressed);
    }
    Q_EMIT sessionChanged();
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

} // namespace stowly
