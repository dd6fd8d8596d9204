#include "ui/settings/PresetsSettingsTab.h"

#include "app/model/AppModel.h"
#include "ui/settings/PresetEditor.h"
#include "ui/settings/ReorderingList.h"
#include "ui/stages/ElidedLabel.h"
#include "ui/stages/StageStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace stowly {
namespace {

constexpr int idRole = Qt::UserRole;

// One preset in the list: its name, the summary under it and, for the preset in use, a pill.
QWidget* presetRow(const OffloadPreset& preset, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(8);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* name = new QLabel(preset.displayName(), row);
    name->setObjectName(QStringLiteral("name"));
    texts->addWidget(name);
    auto* summary = new ElidedLabel(row);
    summary->setFullText(preset.summary());
    stageStyle::setRole(summary, QStringLiteral("secondary"));
    summary->setFont(stageStyle::secondaryFont(summary->font()));
    texts->addWidget(summary);
    layout->addLayout(texts, 1);
    auto* inUse = new QLabel(row);
    inUse->setObjectName(QStringLiteral("inUse"));
    stageStyle::setRole(inUse, QStringLiteral("pill"));
    inUse->hide();
    layout->addWidget(inUse, 0, Qt::AlignVCenter);
    return row;
}

} // namespace

PresetsSettingsTab::PresetsSettingsTab(AppModel& model, std::shared_ptr<MailHandoff> handoff,
                                       QWidget* parent)
    : SettingsPage(std::move(handoff), parent), m_model(model),
      m_listStack(new QStackedWidget(this)), m_list(new ReorderingList(m_listStack)),
      m_error(new QLabel(this)), m_editorStack(new QStackedWidget(this)),
      m_editor(new PresetEditor(model, m_editorStack)) {
    setObjectName(QStringLiteral("presetsSettings"));
    addSection(tr("Presets"));

    addPickList(m_listStack, m_list, QStringLiteral("presetList"), tr("Presets"),
                emptyState(tr("No Presets"), tr("Click + to save the current setup as a preset."),
                           QStringLiteral("noPresets"), m_listStack));
    QToolButton* add = listButton(QStringLiteral("+"), tr("Save the current setup as a new preset"),
                                  QStringLiteral("addPreset"));
    add->setAccessibleName(tr("Add preset"));
    m_remove = listButton(QStringLiteral("−"), tr("Delete the selected preset"),
                          QStringLiteral("deletePreset"));
    m_remove->setAccessibleName(tr("Delete preset"));
    m_duplicate = listButton(tr("Duplicate"), tr("Duplicate the selected preset"),
                             QStringLiteral("duplicatePreset"));
    m_duplicate->setAccessibleName(tr("Duplicate preset"));
    addButtonRow({add, m_remove, m_duplicate});
    addErrorLine(m_error, QStringLiteral("presetsError"));
    addNote(tr("A preset saves where files go, how they’re named, the camera, short-clip "
               "skipping, quick dump and the file rules. Switch presets from the menu at the top "
               "right of the main window, where they’re listed in this order; drag them to "
               "change it."));

    addSection(tr("Selected Preset"));
    m_editorStack->addWidget(emptyState(tr("No Preset Selected"), tr("Select a preset to edit it."),
                                        QStringLiteral("noPresetSelected"), m_editorStack));
    m_editorStack->addWidget(m_editor);
    addWidget(m_editorStack);
    finish();

    connect(m_list, &ReorderingList::moveRequested, this,
            [this](const QList<int>& rows, int to) { m_model.presets().move(rows, to); });
    connect(add, &QToolButton::clicked, this, &PresetsSettingsTab::addPreset);
    connect(m_remove, &QToolButton::clicked, this, [this] {
        if (const std::optional<QUuid> id = selectedPreset())
            m_model.presets().remove(*id);
    });
    connect(m_duplicate, &QToolButton::clicked, this, [this] {
        if (const std::optional<QUuid> id = selectedPreset())
            if (const std::optional<OffloadPreset> copy = m_model.presets().duplicate(*id))
                selectPreset(copy->id);
    });
    connect(m_list, &QListWidget::itemSelectionChanged, this, &PresetsSettingsTab::showSelected);
    connect(&m_model.presets(), &PresetStore::changed, this, &PresetsSettingsTab::showPresets);
    // Any change of the setup may make the preset in use edited, or not edited any more.
    connect(&m_model.settings(), &AppSettings::changed, this, &PresetsSettingsTab::showInUse);
    showPresets();
}

std::optional<QUuid> PresetsSettingsTab::selectedPreset() const {
    return selectedID(m_list);
}

void PresetsSettingsTab::selectPreset(const QUuid& id) {
    selectID(m_list, id);
}

void PresetsSettingsTab::showPresets() {
    const std::optional<QUuid> selected = selectedPreset();
    const QList<OffloadPreset>& presets = m_model.presets().presets();
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const OffloadPreset& preset : presets) {
            // The row widget draws the texts.
            auto* item = new QListWidgetItem(m_list);
            item->setData(idRole, preset.id);
            item->setData(Qt::AccessibleTextRole, preset.displayName());
            QWidget* row = presetRow(preset, m_list);
            item->setSizeHint(row->sizeHint());
            m_list->setItemWidget(item, row);
            if (preset.id == selected)
                item->setSelected(true);
        }
    }
    m_listStack->setCurrentIndex(presets.isEmpty() ? 1 : 0);
    const std::optional<QString>& error = m_model.presets().lastError();
    m_error->setText(error.value_or(QString()));
    m_error->setVisible(error.has_value());
    showInUse();
    showSelected();
}

void PresetsSettingsTab::showInUse() {
    const std::optional<QUuid>& active = m_model.presets().activeID();
    const QString text = m_model.activePresetIsEdited() ? tr("In use · edited") : tr("In use");
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        auto* pill = m_list->itemWidget(item)->findChild<QLabel*>(QStringLiteral("inUse"));
        const bool inUse = item->data(idRole).toUuid() == active;
        pill->setText(text);
        pill->setVisible(inUse);
        const QString name = m_model.presets().presets().value(row).displayName();
        item->setData(Qt::AccessibleTextRole, inUse ? name + QStringLiteral(", ") + text : name);
    }
}

void PresetsSettingsTab::showSelected() {
    const std::optional<QUuid> id = selectedPreset();
    m_remove->setEnabled(id.has_value());
    m_duplicate->setEnabled(id.has_value());
    if (id)
        m_editor->showPreset(*id);
    m_editorStack->setCurrentIndex(id ? 1 : 0);
}

void PresetsSettingsTab::addPreset() {
    const OffloadPreset stored = m_model.saveCurrentSetupAsPreset(QString());
    selectPreset(stored.id);
    m_editor->focusName();
}

} // namespace stowly
