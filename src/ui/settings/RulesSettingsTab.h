#pragma once

#include "app/stores/OffloadRule.h"
#include "ui/settings/SettingsPage.h"

#include <QUuid>

#include <optional>

class QListWidget;
class QStackedWidget;

namespace stowly {

class AppModel;
class ReorderingList;
class RuleEditor;

// The rules that offload an inserted card without asking, in the order they are tried, and the
// editor of the selected one. A rule is stored only as a whole that can be followed: until then
// the editor holds the change and says what is missing, and the stored rule stays as it was.
class RulesSettingsTab : public SettingsPage {
    Q_OBJECT
public:
    RulesSettingsTab(AppModel& model, std::shared_ptr<MailHandoff> handoff, QWidget* parent);

    std::optional<QUuid> selectedRule() const;
    void selectRule(const QUuid& id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRules();
    void showSelected();
    void showMessage();
    void addRule();
    void removeSelected();
    void edited(const OffloadRule& rule);

    AppModel& m_model;
    QStackedWidget* m_listStack;
    ReorderingList* m_list;
    QToolButton* m_remove = nullptr;
    QLabel* m_error;
    QStackedWidget* m_editorStack = nullptr;
    RuleEditor* m_editor = nullptr;
    QLabel* m_message;
    // A new rule that can't be followed yet: listed last, stored once it can be.
    std::optional<OffloadRule> m_draft;
    // The selected rule as edited, and the stored rule that edit began from; they differ while
    // an edit is refused.
    std::optional<OffloadRule> m_working;
    std::optional<OffloadRule> m_base;
};

} // namespace stowly
