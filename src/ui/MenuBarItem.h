#pragma once

#include "media/CardVolume.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace stowly {

// One entry of the tray item's menu.
struct MenuBarItem {
    Q_DECLARE_TR_FUNCTIONS(MenuBarItem)

public:
    enum class Kind {
        cardsHeader,
        importCard,
        pause,
        openStowly,
        offloading,
        settings,
        quit,
        divider
    };

    Kind kind = Kind::divider;
    // cardsHeader: no cards connected; pause: detection is paused.
    bool flag = false;
    // importCard only.
    QString path;
    QString name;
    bool enabled = true;

    // The menu's contents, in order, for the connected cards (in the watcher's order).
    static QList<MenuBarItem> items(const QList<CardVolume>& cards, bool isPaused, bool isBusy);

    QString title() const;
    // Section labels and the running offload's line are shown, never chosen.
    bool isEnabled() const;

    friend bool operator==(const MenuBarItem&, const MenuBarItem&) = default;
};

} // namespace stowly
