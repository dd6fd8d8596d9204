#include "ui/StatusItemController.h"

#include "app/model/AppModel.h"
#include "app/prompts/ImportPrompter.h"
#include "base/Log.h"
#include "ui/MenuBarItem.h"

#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>

namespace stowly {

StatusItemController::StatusItemController(AppModel& model, Actions actions, QObject* parent)
    : QObject(parent), m_model(model), m_actions(std::move(actions)) {
    connect(&m_model, &AppModel::menuBarIconInsertedChanged, this,
            [this] { setInserted(m_model.menuBarIconInserted()); });
    setInserted(m_model.menuBarIconInserted());
}

StatusItemController::~StatusItemController() = default;

bool StatusItemController::desktopHasTray() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void StatusItemController::setInserted(bool inserted) {
    if (inserted == isInserted())
        return;
    if (!inserted) {
        m_tray.reset();
        m_menu.reset();
        return;
    }
    if (!desktopHasTray())
        Log::info(Log::Category::app,
                  QStringLiteral("This desktop shows no tray items; Stowly keeps running unseen"));
    m_menu = std::make_unique<QMenu>();
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    connect(m_menu.get(), &QMenu::aboutToShow, this, &StatusItemController::rebuildMenu);
    m_tray = std::make_unique<QSystemTrayIcon>(QApplication::windowIcon());
    m_tray->setToolTip(tr("Stowly"));
    m_tray->setContextMenu(m_menu.get());
    connect(m_tray.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger && m_actions.openWindow)
                    m_actions.openWindow();
            });
    rebuildMenu();
    m_tray->show();
}

QMenu* StatusItemController::menu() {
    if (m_menu)
        rebuildMenu();
    return m_menu.get();
}

void StatusItemController::rebuildMenu() {
    m_menu->clear();
    const auto items =
        MenuBarItem::items(m_model.cards(), m_model.importPrompter().isPaused(), m_model.isBusy());
    for (const MenuBarItem& item : items) {
        if (item.kind == MenuBarItem::Kind::divider) {
            m_menu->addSeparator();
            continue;
        }
        // "&" would mark a keyboard shortcut ("Cards & Drives").
        QAction* action = m_menu->addAction(item.title().replace(u'&', QStringLiteral("&&")));
        action->setEnabled(item.isEnabled());
        switch (item.kind) {
        case MenuBarItem::Kind::importCard:
            connect(action, &QAction::triggered, this, [this, path = item.path] {
                // A card that went while the menu was open is ignored.
                for (const CardVolume& card : m_model.cards())
                    if (card.url == path)
                        m_model.showForImport(card);
            });
            break;
        case MenuBarItem::Kind::pause:
            connect(action, &QAction::triggered, this, [this] {
                ImportPrompter& prompter = m_model.importPrompter();
                prompter.setPaused(!prompter.isPaused());
            });
            break;
        case MenuBarItem::Kind::openStowly:
            connect(action, &QAction::triggered, this, [this] { m_actions.openWindow(); });
            break;
        case MenuBarItem::Kind::settings:
            connect(action, &QAction::triggered, this, [this] { m_actions.openSettings(); });
            break;
        case MenuBarItem::Kind::quit:
            connect(action, &QAction::triggered, this, [this] { m_actions.quit(); });
            break;
        default:
            break;
        }
    }
}

} // namespace stowly
