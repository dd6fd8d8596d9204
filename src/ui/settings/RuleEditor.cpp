#include "ui/settings/RuleEditor.h"

#include "app/model/AppModel.h"
#include "app/stores/JsonFields.h"
#include "ui/stages/StageStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace stowly {
namespace {

using Match = OffloadRule::Match;

// Leaves a field alone while it says the same, so the cursor stays where the user types and
// spaces typed around the text are not taken away under it.
void showText(QLineEdit* field, const QString& text) {
    if (field->text().trimmed() != text)
        field->setText(text);
}

void showChecked(QCheckBox* box, bool on) {
    const QSignalBlocker blocker(box);
    box->setChecked(on);
}

// A control with a secondary note under it, as one row of the form.
QWidget* withNote(QWidget* control, QLabel* note, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(control);
    layout->addWidget(note);
    return box;
}

QLabel* note(const QString& text, QWidget* parent) {
    QLabel* label = stageStyle::secondaryLabel(text, parent);
    label->setAccessibleName(text);
    return label;
}

} // namespace

RuleEditor::RuleEditor(AppModel& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_match(new QComboBox(this)), m_value(new QLineEdit(this)),
      m_insertedCard(new QPushButton(tr("Use Inserted Card"), this)), m_camera(new QComboBox(this)),
      m_matchNote(note(QString(), this)), m_preset(new QComboBox(this)),
      m_project(new QLineEdit(this)), m_start(new QCheckBox(tr("Start without asking"), this)),
      m_eject(new QCheckBox(tr("Eject when verified"), this)) {
    setObjectName(QStringLiteral("ruleEditor"));
    const auto named = [](QWidget* widget, const char* name, const QString& accessible) {
        widget->setObjectName(QLatin1String(name));
        widget->setAccessibleName(accessible);
    };
    named(m_match, "ruleMatch", tr("Match"));
    named(m_value, "ruleValue", tr("Card name"));
    named(m_insertedCard, "ruleInsertedCard", m_insertedCard->text());
    named(m_camera, "ruleCamera", tr("Camera"));
    named(m_preset, "rulePreset", tr("Preset"));
    named(m_project, "ruleProject", tr("Project"));
    named(m_start, "ruleStartWithoutAsking", m_start->text());
    named(m_eject, "ruleEjectWhenVerified", m_eject->text());
    m_matchNote->setObjectName(QStringLiteral("ruleMatchNote"));

    for (const auto& [match, text] :
         {std::pair{Match::anyCard, tr("Any card")}, std::pair{Match::name, tr("Cards named")},
          std::pair{Match::camera, tr("Cards from camera")},
          std::pair{Match::identity, tr("This card’s identity")}})
        m_match->addItem(text, int(match));
    m_value->setClearButtonEnabled(true);
    m_insertedCard->setToolTip(tr("Use the identity of a card that is in now"));
    m_insertedCard->setMenu(new QMenu(m_insertedCard));
    m_camera->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_camera->setMinimumContentsLength(16);
    m_preset->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_preset->setMinimumContentsLength(20);
    m_project->setPlaceholderText(tr("None"));
    m_project->setClearButtonEnabled(true);

    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(8);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* what = new QWidget(this);
    auto* whatRow = new QHBoxLayout(what);
    whatRow->setContentsMargins(0, 0, 0, 0);
    whatRow->setSpacing(8);
    whatRow->addWidget(m_match);
    whatRow->addWidget(m_value, 1);
    whatRow->addWidget(m_camera, 1);
    whatRow->addWidget(m_insertedCard);
    // The pair is one field; the label leads to what is chosen first.
    auto* matchLabel = new QLabel(tr("Match:"), this);
    matchLabel->setBuddy(m_match);
    form->addRow(matchLabel, withNote(what, m_matchNote, this));
    form->addRow(tr("Preset:"), m_preset);
    form->addRow(tr("Project:"), m_project);
    // Empty labels rather than none: a row without a label gets its preferred height, not the
    // height for its width, and the note under the box would drift down.
    form->addRow(new QLabel(this),
                 withNote(m_start,
                          note(tr("Off, the card is shown with the preset applied, for you to "
                                  "start."),
                               this),
                          this));
    form->addRow(
        new QLabel(this),
        withNote(m_eject, note(tr("Only when every file was copied and verified."), this), this));

    connect(m_match, &QComboBox::activated, this, [this](int index) {
        const auto match = Match(m_match->itemData(index).toInt());
        // Each kind of match keeps its own value: a pattern means nothing as a camera.
        const QString value = m_values.value(int(match));
        edit([match, &value](OffloadRule& r) {
            if (r.match != match)
                r.value = value;
            r.match = match;
        });
    });
    connect(m_value, &QLineEdit::textEdited, this, [this](const QString& text) {
        edit([&text](OffloadRule& r) { r.value = text.trimmed(); });
    });
    connect(m_insertedCard->menu(), &QMenu::aboutToShow, this, &RuleEditor::fillInsertedCards);
    connect(m_camera, &QComboBox::activated, this, [this](int index) {
        const QUuid id = m_camera->itemData(index).toUuid();
        edit([&id](OffloadRule& r) { r.value = JsonFields::uuidText(id); });
    });
    connect(m_preset, &QComboBox::activated, this, [this](int index) {
        const QVariant id = m_preset->itemData(index);
        edit([&id](OffloadRule& r) {
            r.presetID = id.isValid() ? std::optional(id.toUuid()) : std::nullopt;
        });
    });
    connect(m_project, &QLineEdit::textEdited, this, [this](const QString& text) {
        edit([&text](OffloadRule& r) { r.project = text.trimmed(); });
    });
    connect(m_start, &QCheckBox::toggled, this,
            [this](bool on) { edit([on](OffloadRule& r) { r.startWithoutAsking = on; }); });
    connect(m_eject, &QCheckBox::toggled, this,
            [this](bool on) { edit([on](OffloadRule& r) { r.ejectWhenVerified = on; }); });
}

void RuleEditor::showRule(const OffloadRule& rule) {
    if (rule.id != m_rule.id)
        m_values.clear();
    m_values.insert(int(rule.match), rule.value);
    m_rule = rule;
    {
        const QSignalBlocker blocker(m_match);
        m_match->setCurrentIndex(m_match->findData(int(rule.match)));
    }
    showMatch();
    if (rule.match == Match::name || rule.match == Match::identity)
        showText(m_value, rule.value);
    fillCameras();
    fillPresets();
    showText(m_project, rule.project);
    showChecked(m_start, rule.startWithoutAsking);
    showChecked(m_eject, rule.ejectWhenVerified);
}

void RuleEditor::focusMatch() {
    m_match->setFocus();
}

void RuleEditor::showMatch() {
    const Match match = m_rule.match;
    const bool typed = match == Match::name || match == Match::identity;
    m_value->setVisible(typed);
    m_insertedCard->setVisible(match == Match::identity);
    m_camera->setVisible(match == Match::camera);
    if (match == Match::identity) {
        m_value->setPlaceholderText(tr("Volume UUID"));
        m_value->setAccessibleName(tr("Card identity"));
    } else {
        m_value->setPlaceholderText(QStringLiteral("A*_CARD"));
        m_value->setAccessibleName(tr("Card name"));
    }
    switch (match) {
    case Match::anyCard:
        m_matchNote->setText(tr("Takes every card, so the rules after it are never tried."));
        break;
    case Match::name:
        m_matchNote->setText(
            tr("* stands for any characters and ? for one; capitals don’t matter."));
        break;
    case Match::camera:
        m_matchNote->setText(tr("Cards you chose this camera for in the Media stage."));
        break;
    case Match::identity:
        m_matchNote->setText(tr("The card’s volume UUID, or its name where it has none. "
                                "Formatting the card may change it."));
        break;
    }
    m_matchNote->setAccessibleName(m_matchNote->text());
}

void RuleEditor::fillCameras() {
    const QSignalBlocker blocker(m_camera);
    m_camera->clear();
    const QList<Camera>& cameras = m_model.cameras().cameras();
    m_camera->setPlaceholderText(cameras.isEmpty() ? tr("Add cameras in the Cameras tab")
                                                   : tr("Choose a camera"));
    const QUuid chosen = QUuid::fromString(m_rule.value);
    int current = -1;
    for (const Camera& camera : cameras) {
        m_camera->addItem(camera.name, camera.id);
        if (!chosen.isNull() && camera.id == chosen)
            current = m_camera->count() - 1;
    }
    // A camera that is gone shows as none chosen; the refusal says why.
    m_camera->setCurrentIndex(current);
    m_camera->setEnabled(!cameras.isEmpty());
}

void RuleEditor::fillPresets() {
    const QSignalBlocker blocker(m_preset);
    m_preset->clear();
    m_preset->addItem(tr("Current setup"));
    int current = 0;
    const QList<OffloadPreset>& presets = m_model.presets().presets();
    if (!presets.isEmpty())
        m_preset->insertSeparator(1);
    for (const OffloadPreset& preset : presets) {
        m_preset->addItem(preset.displayName(), preset.id);
        if (m_rule.presetID == preset.id)
            current = m_preset->count() - 1;
    }
    // Kept as it is until another is chosen, so the rule isn't changed behind the user's back.
    if (m_rule.presetID && current == 0) {
        m_preset->addItem(tr("A preset that’s gone"), *m_rule.presetID);
        current = m_preset->count() - 1;
    }
    m_preset->setCurrentIndex(current);
}

void RuleEditor::fillInsertedCards() {
    QMenu* menu = m_insertedCard->menu();
    menu->clear();
    const QList<CardVolume> cards = m_model.cards();
    if (cards.isEmpty())
        menu->addAction(tr("No card is inserted"))->setEnabled(false);
    for (const CardVolume& card : cards) {
        const QString identity = card.volumeIdentity();
        const QString text =
            identity == card.name ? card.name : tr("%1 (%2)").arg(card.name, identity);
        connect(menu->addAction(text), &QAction::triggered, this,
                [this, identity] { edit([&identity](OffloadRule& r) { r.value = identity; }); });
    }
}

void RuleEditor::edit(const std::function<void(OffloadRule&)>& change) {
    OffloadRule rule = m_rule;
    change(rule);
    if (rule == m_rule)
        return;
    showRule(rule);
    Q_EMIT edited(rule);
}

} // namespace stowly
