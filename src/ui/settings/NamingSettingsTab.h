#pragma once

#include "ui/settings/SettingsPage.h"

class QGridLayout;
class QLineEdit;
class QMenu;

namespace stowly {

class AppModel;
class TemplateIssueList;
class TokenChips;

// How folders and files are named: the two templates with their problems, tokens to click in,
// the built-in pairs, and where two sample files would be saved.
class NamingSettingsTab : public SettingsPage {
    Q_OBJECT
public:
    NamingSettingsTab(AppModel& model, std::shared_ptr<MailHandoff> handoff, QWidget* parent);

    // The field tokens go into: the one being typed in, else the one last typed in.
    QLineEdit* tokenTarget() const { return m_target; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addTemplateField(const QString& title, const QString& name,
                                TemplateIssueList*& issues);
    void fillTokenMenu(QMenu* menu);
    void fillPresetMenu(QMenu* menu);
    void insert(const QString& token);
    void aimAt(QLineEdit* field);
    // The fields follow the settings; an equal text is left alone so the cursor stays put.
    void showTemplates();
    void showIssues();
    void showExamples();

    AppModel& m_model;
    QLineEdit* m_folder = nullptr;
    QLineEdit* m_file = nullptr;
    QLineEdit* m_target = nullptr;
    TemplateIssueList* m_folderIssues = nullptr;
    TemplateIssueList* m_fileIssues = nullptr;
    QLabel* m_tokenHint = nullptr;
    TokenChips* m_chips = nullptr;
    QWidget* m_examples = nullptr;
    QGridLayout* m_exampleRows = nullptr;
    QLabel* m_examplesBlocked = nullptr;
    bool m_showing = false;
};

} // namespace stowly
