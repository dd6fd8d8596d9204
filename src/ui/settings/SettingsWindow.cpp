#include "ui/settings/SettingsWindow.h"

#include "app/model/AppModel.h"
#include "diagnostics/MailHandoff.h"
#include "ui/settings/AppearanceSettingsTab.h"
#include "ui/settings/CamerasSettingsTab.h"
#include "ui/settings/DestinationsSettingsTab.h"
#include "ui/settings/FilesSettingsTab.h"
#include "ui/settings/GeneralSettingsTab.h"
#include "ui/settings/NamingSettingsTab.h"
#include "ui/settings/PresetsSettingsTab.h"
#include "ui/settings/RulesSettingsTab.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace stowly {

SettingsWindow::SettingsWindow(AppModel& model, QWidget* parent, bool highContrast,
                               std::shared_ptr<MailHandoff> handoff)
    : QWidget(parent, Qt::Window), m_model(model), m_tabs(new QTabWidget(this)) {
    setObjectName(QStringLiteral("settingsWindow"));
    setWindowTitle(tr("Stowly Settings"));
    setAccessibleName(windowTitle());
    if (!handoff)
        handoff = std::make_shared<SystemMailHandoff>();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    m_tabs->setObjectName(QStringLiteral("settingsTabs"));
    m_tabs->setDocumentMode(true);
    layout->addWidget(m_tabs);

    const auto add = [this](SettingsTab tab, QWidget* page, const QString& title) {
        m_tabs->addTab(page, title);
        m_shown << tab;
    };
    add(SettingsTab::general, new GeneralSettingsTab(model, handoff, m_tabs), tr("General"));
    add(SettingsTab::appearance, new AppearanceSettingsTab(model, highContrast, handoff, m_tabs),
        tr("Appearance"));
    add(SettingsTab::presets, new PresetsSettingsTab(model, handoff, m_tabs), tr("Presets"));
    add(SettingsTab::automaticOffload, new RulesSettingsTab(model, handoff, m_tabs),
        tr("Automatic Offload"));
    add(SettingsTab::destinations, new DestinationsSettingsTab(model, handoff, m_tabs),
        tr("Destinations"));
    add(SettingsTab::naming, new NamingSettingsTab(model, handoff, m_tabs), tr("Naming"));
    add(SettingsTab::files, new FilesSettingsTab(model.settings(), handoff, m_tabs), tr("Files"));
    add(SettingsTab::cameras, new CamerasSettingsTab(model.cameras(), handoff, m_tabs),
        tr("Cameras"));

    showTab(model.settings().value(setting::settingsTab));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && index < m_shown.size())
            m_model.settings().setValue(setting::settingsTab, m_shown[index]);
    });
    // Wide enough that every tab's title shows without the tab bar's scroll arrows.
    const QMargins margins = layout->contentsMargins();
    resize(std::max(640, m_tabs->tabBar()->sizeHint().width() + margins.left() + margins.right()),
           720);
}

SettingsTab SettingsWindow::currentTab() const {
    const int index = m_tabs->currentIndex();
    return index >= 0 && index < m_shown.size() ? m_shown[index] : SettingsTab::general;
}

void SettingsWindow::showTab(SettingsTab tab) {
    // A tab this window does not show opens on the first one.
    m_tabs->setCurrentIndex(std::max(0, int(m_shown.indexOf(tab))));
}

} // namespace stowly
