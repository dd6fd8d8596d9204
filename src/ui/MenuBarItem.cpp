#include "ui/MenuBarItem.h"

namespace stowly {

QList<MenuBarItem> MenuBarItem::items(const QList<CardVolume>& cards, bool isPaused, bool isBusy) {
    QList<MenuBarItem> list{{Kind::openStowly}, {Kind::divider}};
    list.append({Kind::cardsHeader, cards.isEmpty()});
    for (const CardVolume& card : cards)
        list.append({Kind::importCard, false, card.url, card.name, !isBusy});
    if (isBusy)
        list.append({Kind::offloading});
    list.append({{Kind::divider},
                 {Kind::pause, isPaused},
                 {Kind::settings},
                 {Kind::divider},
                 {Kind::quit}});
    return list;
}

QString MenuBarItem::title() const {
    switch (kind) {
    case Kind::cardsHeader:
        return flag ? tr("No Cards Connected") : tr("Cards & Drives");
    case Kind::importCard:
        return tr("Import from %1…").arg(name);
    case Kind::pause:
        return flag ? tr("Resume Detection") : tr("Pause Detection");
    case Kind::openStowly:
        return tr("Open Stowly");
    case Kind::offloading:
        return tr("Offloading… (imports wait until it’s done)");
    case Kind::settings:
        return tr("Settings…");
    case Kind::quit:
        return tr("Quit Stowly");
    case Kind::divider:
        return {};
    }
    return {};
}

bool MenuBarItem::isEnabled() const {
    switch (kind) {
    case Kind::cardsHeader:
    case Kind::offloading:
        return false;
    case Kind::importCard:
        return enabled;
    default:
        return true;
    }
}

} // namespace stowly
