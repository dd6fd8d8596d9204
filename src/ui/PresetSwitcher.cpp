#include "ui/PresetSwitcher.h"

#include "app/model/AppModel.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>

namespace stowly {

PresetSwitcher::PresetSwitcher(AppModel& model, QWidget* parent)
    : QToolButton(parent), m_model(model), m_menu(new QMenu(this)) {
    setObjectName(QStringLiteral("presetSwitcher"));
    setToolTip(tr("Switch to a saved setup: destination, naming, camera and file rules"));
    setProperty("stowlyRole", QStringLiteral("toolbar"));
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setMenu(m_menu);
    connect(m_menu, &QMenu::aboutToShow, this, &PresetSwitcher::fillMenu);
    connect(&m_model.presets(), &PresetStore::changed, this, &PresetSwitcher::updateLabel);
    // Presets change the naming and the destination, which a running copy must keep.
    connect(&m_model, &AppModel::sessionUpdated, this, &PresetSwitcher::updateLabel);
    connect(&m_model, &AppModel::sessionChanged, this, &PresetSwitcher::updateLabel);
    updateLabel();
}

void PresetSwitcher::updateLabel() {
    const auto active = m_model.presets().activePreset();
    setText(active ? tr("Preset: %1").arg(active->displayName()) : tr("No Preset"));
    setEnabled(!m_model.isSelectedCardBusy());
}

void PresetSwitcher::fillMenu() {
    m_menu->clear();
    const auto& store = m_model.presets();
    for (const OffloadPreset& preset : store.presets()) {
        QAction* action = m_menu->addAction(preset.displayName());
        action->setCheckable(true);
        action->setChecked(store.activeID() == preset.id);
        action->setToolTip(preset.summary());
        const QUuid id = preset.id;
        connect(action, &QAction::triggered, this, [this, id] {
            if (const auto chosen = m_model.presets().preset(id))
                m_model.applyPreset(*chosen);
            updateLabel();
        });
    }
    if (!store.presets().isEmpty())
        m_menu->addSeparator();
    connect(m_menu->addAction(tr("Save Current Setup as Preset…")), &QAction::triggered, this,
            &PresetSwitcher::saveCurrentSetup);
}

void PresetSwitcher::saveCurrentSetup() {
    bool ok = false;
    const QString name = QInputDialog::getText(window(), tr("Save Preset"), tr("Preset name:"),
                                               QLineEdit::Normal, {}, &ok);
    if (!ok)
        return;
    m_model.saveCurrentSetupAsPreset(name);
    updateLabel();
}

} // namespace stowly
