#include "ui/settings/PresetEditor.h"

#include "app/model/AppModel.h"
#include "naming/NamingTemplates.h"
#include "ui/settings/ShortClipSlider.h"
#include "ui/stages/StageStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace stowly {
namespace {

// Leaves the text alone when it is already shown, so the cursor stays where the user typed.
void showText(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}

// A control with a secondary note under it, as one row of the form.
QWidget* withNote(QWidget* control, const QString& note, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(control);
    QLabel* label = stageStyle::secondaryLabel(note, box);
    label->setAccessibleName(note);
    layout->addWidget(label);
    return box;
}

} // namespace

PresetEditor::PresetEditor(AppModel& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_name(new QLineEdit(this)),
      m_destination(new QComboBox(this)), m_folderTemplate(new QLineEdit(this)),
      m_fileTemplate(new QLineEdit(this)), m_templateWarning(new QLabel(this)),
      m_camera(new QComboBox(this)), m_shortClips(new ShortClipSlider(tr("Short clips"), this)),
      m_quickDump(new QCheckBox(tr("Quick dump"), this)), m_fileRules(new QLabel(this)),
      m_useFileRules(new QPushButton(tr("Use Current File Rules"), this)),
      m_update(new QPushButton(tr("Update from Current Setup"), this)) {
    setObjectName(QStringLiteral("presetEditor"));
    const auto named = [](QWidget* widget, const char* name, const QString& accessible) {
        widget->setObjectName(QLatin1String(name));
        widget->setAccessibleName(accessible);
    };
    named(m_name, "presetName", tr("Preset name"));
    named(m_destination, "presetDestination", tr("Destination"));
    named(m_folderTemplate, "presetFolderTemplate", tr("Folder structure"));
    named(m_fileTemplate, "presetFileTemplate", tr("File name"));
    named(m_camera, "presetCamera", tr("Camera"));
    m_shortClips->setObjectName(QStringLiteral("presetShortClips"));
    named(m_quickDump, "presetQuickDump", m_quickDump->text());
    named(m_useFileRules, "useCurrentFileRules", m_useFileRules->text());
    named(m_update, "updateFromCurrentSetup", m_update->text());
    m_folderTemplate->setPlaceholderText(tr("None: straight into the destination"));
    m_destination->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_destination->setMinimumContentsLength(20);
    m_templateWarning->setText(tr("These templates aren’t valid. Check them in the Naming tab."));
    m_templateWarning->setWordWrap(true);
    stageStyle::setRole(m_templateWarning, QStringLiteral("warning"));
    m_templateWarning->setObjectName(QStringLiteral("presetTemplateWarning"));
    m_fileRules->setWordWrap(true);
    m_fileRules->setObjectName(QStringLiteral("presetFileRules"));

    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(8);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(tr("Name"), m_name);
    form->addRow(tr("Destination"), m_destination);
    form->addRow(tr("Folders"), m_folderTemplate);
    // The warning sits in the file name's row, so the form has no empty row while it is hidden.
    auto* fileBox = new QWidget(this);
    auto* fileLayout = new QVBoxLayout(fileBox);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    fileLayout->setSpacing(8);
    fileLayout->addWidget(m_fileTemplate);
    fileLayout->addWidget(m_templateWarning);
    form->addRow(tr("File names"), fileBox);
    form->addRow(tr("Camera"), m_camera);
    form->addRow(tr("Short clips"), m_shortClips);
    form->addRow(QString(), withNote(m_quickDump,
                                     tr("Skips the project name and dumps all the footage straight "
                                        "into a dated folder."),
                                     this));
    auto* rules = new QWidget(this);
    auto* rulesRow = new QHBoxLayout(rules);
    rulesRow->setContentsMargins(0, 0, 0, 0);
    rulesRow->setSpacing(8);
    rulesRow->addWidget(m_fileRules, 1);
    rulesRow->addWidget(m_useFileRules);
    form->addRow(tr("File rules"), rules);
    auto* update = new QHBoxLayout;
    update->addWidget(m_update);
    update->addStretch(1);
    auto* updateBox = new QWidget(this);
    updateBox->setLayout(update);
    update->setContentsMargins(0, 8, 0, 0);
    m_update->setToolTip(tr("Replace this preset’s settings with what the main window uses now"));
    form->addRow(QString(), withNote(updateBox, m_update->toolTip(), this));

    connect(m_name, &QLineEdit::editingFinished, this, &PresetEditor::rename);
    connect(m_destination, &QComboBox::activated, this, [this](int index) {
        const QVariant path = m_destination->itemData(index);
        edit([&path](OffloadPreset& p) {
            p.destinationPath = path.isValid() ? std::optional(path.toString()) : std::nullopt;
        });
    });
    connect(m_folderTemplate, &QLineEdit::textEdited, this, [this](const QString& text) {
        showTemplateProblems();
        edit([&text](OffloadPreset& p) { p.folderTemplate = text; });
    });
    connect(m_fileTemplate, &QLineEdit::textEdited, this, [this](const QString& text) {
        showTemplateProblems();
        edit([&text](OffloadPreset& p) { p.fileTemplate = text; });
    });
    connect(m_camera, &QComboBox::activated, this, [this](int index) {
        const QVariant id = m_camera->itemData(index);
        edit([&id](OffloadPreset& p) {
            p.cameraID = id.isValid() ? std::optional(id.toUuid()) : std::nullopt;
        });
    });
    connect(m_shortClips, &ShortClipSlider::secondsChanged, this, [this](int seconds) {
        // Off keeps the seconds for when the rule comes back on.
        edit([seconds](OffloadPreset& p) {
            p.skipShortClips = seconds > 0;
            if (seconds > 0)
                p.shortClipSeconds = seconds;
        });
    });
    connect(m_quickDump, &QCheckBox::toggled, this,
            [this](bool on) { edit([on](OffloadPreset& p) { p.quickDump = on; }); });
    connect(m_useFileRules, &QPushButton::clicked, this,
            [this] { m_model.usePresetWithCurrentFileRules(m_id); });
    connect(m_update, &QPushButton::clicked, this,
            [this] { m_model.updatePresetFromCurrentSetup(m_id); });

    // Another window may change the preset, the favourites, the cameras or the file rules.
    connect(&m_model.presets(), &PresetStore::changed, this, &PresetEditor::refresh);
    connect(&m_model.destinations(), &DestinationStore::changed, this, &PresetEditor::refresh);
    connect(&m_model.cameras(), &CameraStore::changed, this, &PresetEditor::refresh);
    m_model.settings().onChange(setting::fileRules, this, &PresetEditor::refresh);
}

void PresetEditor::showPreset(const QUuid& id) {
    const bool other = id != m_id;
    m_id = id;
    if (other)
        m_name->setModified(false);
    refresh();
}

void PresetEditor::focusName() {
    m_name->setFocus();
    m_name->selectAll();
}

void PresetEditor::refresh() {
    const std::optional<OffloadPreset> preset = m_model.presets().preset(m_id);
    if (!preset)
        return;
    // A name being typed is only taken when the field is left.
    if (!m_name->isModified())
        showText(m_name, preset->name);
    fillDestinations(*preset);
    showText(m_folderTemplate, preset->folderTemplate);
    showText(m_fileTemplate, preset->fileTemplate);
    showTemplateProblems();
    fillCameras(*preset);
    m_shortClips->showSeconds(preset->skipShortClips ? preset->shortClipSeconds : 0);
    {
        const QSignalBlocker blocker(m_quickDump);
        m_quickDump->setChecked(preset->quickDump);
    }
    const bool sameRules = preset->fileRules == m_model.settings().value(setting::fileRules);
    m_fileRules->setText(sameRules ? tr("The same as in the Files tab.")
                                   : tr("Not the same as in the Files tab."));
    m_useFileRules->setEnabled(!sameRules);
}

void PresetEditor::fillDestinations(const OffloadPreset& preset) {
    const QSignalBlocker blocker(m_destination);
    m_destination->clear();
    m_destination->addItem(tr("Keep current folder"));
    m_destination->insertSeparator(1);
    int current = 0;
    for (const FavoriteDestination& favorite : m_model.destinations().favorites()) {
        m_destination->addItem(favorite.displayName(), favorite.path);
        m_destination->setItemData(m_destination->count() - 1, favorite.path, Qt::ToolTipRole);
        if (preset.destinationPath && DestinationStore::normalized(*preset.destinationPath) ==
                                          DestinationStore::normalized(favorite.path))
            current = m_destination->count() - 1;
    }
    // A folder that is no favourite (or no longer one) is still what the preset holds.
    if (preset.destinationPath && current == 0) {
        m_destination->addItem(*preset.destinationPath, *preset.destinationPath);
        m_destination->setItemData(m_destination->count() - 1, *preset.destinationPath,
                                   Qt::ToolTipRole);
        current = m_destination->count() - 1;
    }
    m_destination->setCurrentIndex(current);
}

void PresetEditor::fillCameras(const OffloadPreset& preset) {
    const QSignalBlocker blocker(m_camera);
    m_camera->clear();
    m_camera->addItem(tr("Suggested for the card"));
    int current = 0;
    const QList<Camera>& cameras = m_model.cameras().cameras();
    if (!cameras.isEmpty())
        m_camera->insertSeparator(1);
    for (const Camera& camera : cameras) {
        m_camera->addItem(camera.name, camera.id);
        if (preset.cameraID == camera.id)
            current = m_camera->count() - 1;
    }
    // A camera deleted since leaves the choice to the card, which is what applying does.
    m_camera->setCurrentIndex(current);
}

void PresetEditor::showTemplateProblems() {
    m_templateWarning->setVisible(
        !NamingTemplates::make(m_folderTemplate->text(), m_fileTemplate->text()));
}

void PresetEditor::rename() {
    if (!m_name->isModified())
        return;
    m_name->setModified(false);
    m_model.presets().rename(m_id, m_name->text());
    // The store trims the name and makes it unique; show what it kept.
    if (const std::optional<OffloadPreset> preset = m_model.presets().preset(m_id))
        showText(m_name, preset->name);
}

void PresetEditor::edit(const std::function<void(OffloadPreset&)>& change) {
    m_model.presets().edit(m_id, change);
}

} // namespace stowly
