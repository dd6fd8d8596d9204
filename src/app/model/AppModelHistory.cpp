// The application model's side of the history: a card's scan waiting for the history to be
// read, how much history a card has, and forgetting it, whole or one copy at a time.
#include "app/model/AppModel.h"

#include "session/CascadeQueue.h"

#include "app/model/CardDesk.h"
#include "app/wording/ReoffloadAlert.h"
#include "history/History.h"

#include <QPointer>

#include <utility>

namespace stowly {

void AppModel::historyLoaded() {
    Q_EMIT historyLoadingChanged();
    // What the cascade left when the program last stopped goes on.
    if (m_takesUpCascades)
        m_cascade->resume();
    // Cards that came while it was read wait for it to be scanned.
    QList<CardDesk*> waiting;
    for (const auto& desk : m_desks)
        if (desk->isScanning())
            waiting.append(desk.get());
    for (CardDesk* desk : waiting)
        scan(*desk);
    updateBlocker();
}

qsizetype AppModel::selectedCardHistoryCount() const {
    const auto card = selectedCard();
    return card ? m_history->entryCount(card->volumeIdentity()) : 0;
}

void AppModel::confirmForgetSelectedCardHistory() {
    const auto card = selectedCard();
    if (!card)
        return;
    const CardHistory::Counts counts =
        CardHistory{card->volumeIdentity(), std::nullopt, card->name}.forgettable(
            m_history->entries());
    m_frontEnd->confirm(ReoffloadAlert::forgetText(card->name, counts.files, counts.copies),
                        [this, weak = QPointer<AppModel>(this), card = *card](bool confirmed) {
                            if (!confirmed || !weak || isBusy())
                                return;
                            m_history->forgetVolume(card.volumeIdentity());
                            if (CardDesk* desk = this->desk(card.id()))
                                scan(*desk);
                        });
}

void AppModel::forgetHistoryEntry(const HistoryEntry& entry) {
    m_history->forget(entry);
    // The card the copy came from has a file that is new again.
    QList<CardDesk*> changed;
    for (const auto& desk : m_desks)
        if (!desk->isBusy() && entry.sourceKey.startsWith(desk->card().volumeIdentity() + u'|'))
            changed.append(desk.get());
    for (CardDesk* desk : changed)
        scan(*desk);
}

} // namespace stowly
