#pragma once

#include "app/stores/OffloadRule.h"

#include <QHash>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace stowly {

class AppModel;

// The controls of one automatic offload rule. It stores nothing: each change is handed on as
// the whole rule, and whoever shows it decides whether the rule is kept.
class RuleEditor : public QWidget {
    Q_OBJECT
public:
    RuleEditor(AppModel& model, QWidget* parent);

    // Shows the rule; a field being typed in keeps its text while it says the same.
    void showRule(const OffloadRule& rule);
    const OffloadRule& rule() const { return m_rule; }
    // A new rule starts at what it matches.
    void focusMatch();

Q_SIGNALS:
    void edited(const stowly::OffloadRule& rule);

private:
    void fillCameras();
    void fillPresets();
    void showMatch();
    void fillInsertedCards();
    void edit(const std::function<void(OffloadRule&)>& change);

    AppModel& m_model;
    OffloadRule m_rule;
    // What each kind of match was given while this rule is shown, so trying another kind and
    // coming back doesn't lose the pattern.
    QHash<int, QString> m_values;
    QComboBox* m_match;
    QLineEdit* m_value;
    QPushButton* m_insertedCard;
    QComboBox* m_camera;
    QLabel* m_matchNote;
    QComboBox* m_preset;
    QLineEdit* m_project;
    QCheckBox* m_start;
    QCheckBox* m_eject;
};

} // namespace stowly
