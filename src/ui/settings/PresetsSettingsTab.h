#pragma once

#include "ui/settings/SettingsPage.h"

#include <QUuid>

#include <optional>

class QListWidget;
class QStackedWidget;

namespace stowly {

class AppModel;
class PresetEditor;
class ReorderingList;

// The presets: the list with the one in use, saving the current setup as a new one, and the
// editor of the selected preset.
class PresetsSettingsTab : public SettingsPage {
    Q_OBJECT
public:
    PresetsSettingsTab(AppModel& model, std::shared_ptr<MailHandoff> handoff, QWidget* parent);

    std::optional<QUuid> selectedPreset() const;
    void selectPreset(const QUuid& id);

private:
    void showPresets();
    void showInUse();
    void showSelected();
    void addPreset();

    AppModel& m_model;
    QStackedWidget* m_listStack;
    ReorderingList* m_list;
    QToolButton* m_remove;
    QToolButton* m_duplicate;
    QLabel* m_error;
    QStackedWidget* m_editorStack;
    PresetEditor* m_editor;
};

} // namespace stowly
