#pragma once

#include "ui/settings/SettingsPage.h"

#include <functional>
#include <optional>

class QLabel;
class QSlider;
class QVBoxLayout;

namespace stowly {

class AppModel;

// What is offloaded, what happens after, and how Stowly behaves while its window is closed.
class GeneralSettingsTab : public SettingsPage {
    Q_OBJECT
public:
    GeneralSettingsTab(AppModel& model, std::shared_ptr<MailHandoff> handoff, QWidget* parent);

private:
    void addFiles();
    void addAfterOffload();
    void addReports();
    void addSharedHistory();
    void showSharedHistory();
    // A line of text for a setting, written when the user leaves it, if `accepts` does.
    void addTextField(const QString& text, const QString& placeholder, SettingKey<QString> key,
                      const QString& name, std::function<bool(const QString&)> accepts = {});
    void addBackground();
    void addIgnoredCards();
    void addUpdates();
    void showShortClips();
    void showLoginItem();
    void showIgnoredCards();

    AppModel& m_model;
    QSlider* m_shortClips = nullptr;
    QLabel* m_shortClipValue = nullptr;
    QCheckBox* m_loginSwitch = nullptr;
    QLabel* m_loginNote = nullptr;
    QLabel* m_serverNote = nullptr;
    // What the history server field refused, until it is changed.
    std::optional<QString> m_serverRefusal;
    QWidget* m_ignoredBox = nullptr;
    QVBoxLayout* m_ignoredRows = nullptr;
};

} // namespace stowly
