#include "app/model/CardFactsReader.h"

#include "app/model/CardDesk.h"
#include "base/Background.h"

#include <QPointer>

#include <future>

namespace stowly {

CardFactsReader::CardFactsReader(std::shared_ptr<FactsReading> reader, QObject* parent)
    : QObject(parent), m_reader(std::move(reader)) {}

void CardFactsReader::read(CardDesk& desk) {
    if (!m_reader || !desk.inventory()) {
        desk.setFactsReading({});
        desk.factsReadingEnded();
        return;
    }
    const CardInventory& inventory = *desk.inventory();
    const QList<Clip> clips = inventory.newFiles + inventory.missing + inventory.offloaded;
    std::stop_source stop;
    auto ended = std::make_shared<std::promise<void>>();
    desk.setFactsReading(stop, ended->get_future().share());
    // Posts reach the desk only while it is there; its end stops the reading.
    const std::shared_ptr<background::detail::OwnerLink> link =
        background::detail::OwnerLink::make(&desk, stop);
    FactsScanner::Options options;
    options.stop = stop.get_token();
    options.mayRead = [copying = desk.copyingFlag()] { return !copying->load(); };
    const QString identity = desk.card().volumeIdentity();
    const QPointer<CardFactsReader> self(this);
    FactsScanner::pool().start([=, reader = m_reader, cache = m_cache] {
        struct Ended {
            std::shared_ptr<std::promise<void>> promise;
            ~Ended() { promise->set_value(); }
        } signalsEnd{ended};
        FactsScanner::read(
            clips, identity, cache, *reader, options, [&](FactsScanner::Batch batch) {
                link->withOwner([&](QObject* target) {
                    QMetaObject::invokeMethod(
                        target,
                        [self, stop, target, batch = std::move(batch)] {
                            if (self)
                                for (auto it = batch.fresh.cbegin(); it != batch.fresh.cend(); ++it)
                                    self->m_cache.insert(it.key(), it.value());
                            if (!stop.stop_requested())
                                static_cast<CardDesk*>(target)->addFacts(batch.byPath);
                        },
                        Qt::QueuedConnection);
                });
            });
        link->withOwner([&](QObject* target) {
            QMetaObject::invokeMethod(
                target,
                [link, stop, target] {
                    link->release();
                    if (!stop.stop_requested())
                        static_cast<CardDesk*>(target)->factsReadingEnded();
                },
                Qt::QueuedConnection);
        });
    });
}

} // namespace stowly
