#pragma once

#include "ui/settings/SettingsPage.h"

class QButtonGroup;

namespace stowly {

class AppModel;

// The colour theme, light or dark, and how a card's files are shown.
class AppearanceSettingsTab : public SettingsPage {
    Q_OBJECT
public:
    // highContrast: the desktop asks for solid colours, which the themes then use.
    AppearanceSettingsTab(AppModel& model, bool highContrast, std::shared_ptr<MailHandoff> handoff,
                          QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    void addThemes(bool highContrast);
    void addLanguage();
    void showThemes();

    AppModel& m_model;
    QButtonGroup* m_themes = nullptr;
};

} // namespace stowly
