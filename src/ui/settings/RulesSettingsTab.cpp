#include "ui/settings/RulesSettingsTab.h"

#include "app/model/AppModel.h"
#include "app/model/AutomaticOffload.h"
#include "app/stores/RuleStore.h"
#include "ui/settings/ReorderingList.h"
#include "ui/settings/RuleEditor.h"
#include "ui/stages/ElidedLabel.h"
#include "ui/stages/StageStyle.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace stowly {
namespace {

constexpr int idRole = Qt::UserRole;

// One rule in the list: what it matches over what it does, and a word where it isn't in force.
QWidget* ruleRow(const QString& match, const QString& action, const QString& state,
                 const QString& stateRole, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(8);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* matchLabel = new ElidedLabel(row);
    matchLabel->setObjectName(QStringLiteral("match"));
    QFont font = matchLabel->font();
    font.setWeight(QFont::DemiBold);
    matchLabel->setFont(font);
    matchLabel->setFullText(match);
    texts->addWidget(matchLabel);
    auto* actionLabel = new ElidedLabel(row);
    actionLabel->setObjectName(QStringLiteral("action"));
    actionLabel->setFullText(action);
    stageStyle::setRole(actionLabel, QStringLiteral("secondary"));
    actionLabel->setFont(stageStyle::secondaryFont(actionLabel->font()));
    texts->addWidget(actionLabel);
    layout->addLayout(texts, 1);
    if (!state.isEmpty()) {
        auto* label = new QLabel(state, row);
        label->setObjectName(QStringLiteral("state"));
        stageStyle::setRole(label, stateRole);
        layout->addWidget(label, 0, Qt::AlignVCenter);
    }
    return row;
}

} // namespace

RulesSettingsTab::RulesSettingsTab(AppModel& model, std::shared_ptr<MailHandoff> handoff,
                                   QWidget* parent)
    : SettingsPage(std::move(handoff), parent), m_model(model),
      m_listStack(new QStackedWidget(this)), m_list(new ReorderingList(m_listStack)),
      m_error(new QLabel(this)), m_message(new QLabel(this)) {
    setObjectName(QStringLiteral("rulesSettings"));
    addSection(tr("Rules"));
    addNote(tr("When a card like this is inserted, Stowly offloads it with the preset you choose. "
               "Stowly never erases a card on its own."));

    addPickList(m_listStack, m_list, QStringLiteral("ruleList"), tr("Rules"),
                emptyState(tr("No Rules"),
                           tr("Click + to have cards offloaded as soon as they’re inserted."),
                           QStringLiteral("noRules"), m_listStack));
    QToolButton* add = listButton(QStringLiteral("+"), tr("Add a rule"), QStringLiteral("addRule"));
    m_remove = listButton(QStringLiteral("−"), tr("Remove the selected rule"),
                          QStringLiteral("removeRule"));
    addButtonRow({add, m_remove});
    addErrorLine(m_error, QStringLiteral("rulesError"));
    addNote(tr("A card is offloaded by the first rule it matches, from the top. Drag rules to "
               "change the order."));

    addSection(tr("Selected Rule"));
    m_editorStack = new QStackedWidget(this);
    m_editor = new RuleEditor(model, m_editorStack);
    m_editorStack->addWidget(emptyState(tr("No Rule Selected"), tr("Select a rule to edit it."),
                                        QStringLiteral("noRuleSelected"), m_editorStack));
    m_editorStack->addWidget(m_editor);
    addWidget(m_editorStack);
    addErrorLine(m_message, QStringLiteral("ruleMessage"));
    finish();

    m_list->installEventFilter(this);
    connect(m_list, &ReorderingList::moveRequested, this,
            [this](const QList<int>& rows, int to) { m_model.rules().move(rows, to); });
    connect(add, &QToolButton::clicked, this, &RulesSettingsTab::addRule);
    connect(m_remove, &QToolButton::clicked, this, &RulesSettingsTab::removeSelected);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &RulesSettingsTab::showSelected);
    connect(m_editor, &RuleEditor::edited, this, &RulesSettingsTab::edited);
    // The rows name presets and cameras, and whether a rule can be followed depends on them and
    // on the current setup's naming.
    connect(&m_model.rules(), &RuleStore::changed, this, &RulesSettingsTab::showRules);
    connect(&m_model.presets(), &PresetStore::changed, this, &RulesSettingsTab::showRules);
    connect(&m_model.cameras(), &CameraStore::changed, this, &RulesSettingsTab::showRules);
    m_model.settings().onChange(
        {setting::folderTemplate, setting::fileTemplate, setting::quickDump}, this,
        &RulesSettingsTab::showRules);
    showRules();
}

std::optional<QUuid> RulesSettingsTab::selectedRule() const {
    return selectedID(m_list);
}

void RulesSettingsTab::selectRule(const QUuid& id) {
    selectID(m_list, id);
}

bool RulesSettingsTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Delete || key == Qt::Key_Backspace) && selectedRule()) {
            removeSelected();
            return true;
        }
    }
    return SettingsPage::eventFilter(watched, event);
}

void RulesSettingsTab::showRules() {
    const AutomaticOffload& automatic = m_model.automaticOffload();
    // A new rule that a change elsewhere (the setup, a preset) made complete is saved now.
    if (m_draft && !automatic.refusal(*m_draft))
        m_model.rules().add(*std::exchange(m_draft, std::nullopt));
    const std::optional<QUuid> selected = selectedRule();
    const auto addRow = [this, &automatic, &selected](const OffloadRule& rule, bool draft) {
        const QString match = automatic.matchText(rule);
        const QString action = automatic.actionText(rule);
        QString state;
        QString role;
        if (draft) {
            state = tr("Not Saved");
            role = QStringLiteral("pill");
        } else if (automatic.refusal(rule)) {
            state = tr("Can’t Be Followed");
            role = QStringLiteral("warning");
        }
        auto* item = new QListWidgetItem(m_list);
        item->setData(idRole, rule.id);
        QStringList spoken{match, action};
        if (!state.isEmpty())
            spoken << state;
        item->setData(Qt::AccessibleTextRole, spoken.join(QStringLiteral(", ")));
        // A rule that isn't stored has no place in the order yet.
        if (draft)
            item->setFlags(item->flags() & ~Qt::ItemIsDragEnabled);
        QWidget* row = ruleRow(match, action, state, role, m_list);
        item->setSizeHint(row->sizeHint());
        m_list->setItemWidget(item, row);
        if (rule.id == selected)
            item->setSelected(true);
    };
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const OffloadRule& rule : m_model.rules().rules())
            addRow(rule, false);
        if (m_draft)
            addRow(*m_draft, true);
    }
    m_listStack->setCurrentIndex(m_list->count() == 0 ? 1 : 0);
    const std::optional<QString>& error = m_model.rules().lastError();
    m_error->setText(error.value_or(QString()));
    m_error->setVisible(error.has_value());
    showSelected();
}

void RulesSettingsTab::showSelected() {
    const std::optional<QUuid> id = selectedRule();
    m_remove->setEnabled(id.has_value());
    std::optional<OffloadRule> stored = id ? m_model.rules().rule(*id) : std::nullopt;
    if (m_draft && m_draft->id == id) {
        m_working = m_draft;
        m_base.reset();
    } else if (!stored) {
        m_working.reset();
        m_base.reset();
    } else if (!m_working || m_working->id != *id || m_base != stored) {
        // Another rule, or this one changed elsewhere: an edit that wasn't kept is let go.
        m_working = stored;
        m_base = stored;
    }
    if (m_working)
        m_editor->showRule(*m_working);
    m_editorStack->setCurrentIndex(m_working ? 1 : 0);
    showMessage();
}

void RulesSettingsTab::showMessage() {
    const std::optional<QString> refusal =
        m_working ? m_model.automaticOffload().refusal(*m_working) : std::nullopt;
    QString text;
    if (refusal) {
        if (!m_base)
            text = tr("%1 Until then the new rule isn’t saved.").arg(*refusal);
        else if (*m_working != *m_base)
            text = tr("%1 Until then the rule stays as it was saved.").arg(*refusal);
        else
            text = tr("%1 Until then the cards it matches aren’t offloaded.").arg(*refusal);
    }
    m_message->setText(text);
    m_message->setAccessibleName(text);
    m_message->setVisible(refusal.has_value());
}

void RulesSettingsTab::addRule() {
    // One new rule at a time: the one not saved yet is finished first.
    if (!m_draft) {
        // Any card, the current setup, starting without asking, not ejecting.
        const OffloadRule rule;
        if (m_model.automaticOffload().refusal(rule)) {
            m_draft = rule;
            showRules();
        } else {
            m_model.rules().add(rule);
        }
        selectRule(rule.id);
    } else {
        selectRule(m_draft->id);
    }
    m_editor->focusMatch();
}

void RulesSettingsTab::removeSelected() {
    const std::optional<QUuid> id = selectedRule();
    if (!id)
        return;
    if (m_draft && m_draft->id == *id) {
        m_draft.reset();
        showRules();
    } else {
        m_model.rules().remove(*id);
    }
}

void RulesSettingsTab::edited(const OffloadRule& rule) {
    const bool refused = m_model.automaticOffload().refusal(rule).has_value();
    if (m_draft && m_draft->id == rule.id) {
        m_draft = rule;
        m_working = rule;
        if (refused) {
            showRules();
        } else {
            // Stored under the same id, so the row stays selected.
            m_draft.reset();
            m_model.rules().add(rule);
        }
        return;
    }
    m_working = rule;
    if (refused) {
        showMessage();
        return;
    }
    m_base = rule;
    m_model.rules().update(rule);
    showMessage();
}

} // namespace stowly
