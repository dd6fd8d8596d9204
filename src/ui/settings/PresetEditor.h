#pragma once

#include <QUuid>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace stowly {

class AppModel;
class ShortClipSlider;
struct OffloadPreset;

// Every setting of one preset, each written to the preset store the moment it changes.
class PresetEditor : public QWidget {
    Q_OBJECT
public:
    PresetEditor(AppModel& model, QWidget* parent);

    void showPreset(const QUuid& id);
    const QUuid& presetID() const { return m_id; }
    // A new preset is named first.
    void focusName();

private:
    void refresh();
    void fillDestinations(const OffloadPreset& preset);
    void fillCameras(const OffloadPreset& preset);
    void showTemplateProblems();
    void rename();
    void edit(const std::function<void(OffloadPreset&)>& change);

    AppModel& m_model;
    QUuid m_id;
    QLineEdit* m_name;
    QComboBox* m_destination;
    QLineEdit* m_folderTemplate;
    QLineEdit* m_fileTemplate;
    QLabel* m_templateWarning;
    QComboBox* m_camera;
    ShortClipSlider* m_shortClips;
    QCheckBox* m_quickDump;
    QLabel* m_fileRules;
    QPushButton* m_useFileRules;
    QPushButton* m_update;
};

} // namespace stowly
