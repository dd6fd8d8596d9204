#pragma once

#include "app/onboarding/OnboardingDraft.h"
#include "app/onboarding/OnboardingExit.h"
#include "ui/WelcomeDestinationStep.h"

#include <QDialog>
#include <QList>
#include <QSettings>

#include <functional>
#include <memory>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QVBoxLayout;

namespace stowly {

class AppModel;
class OnboardingStore;

// The first-run setup, "Welcome to Stowly": a first preset built step by step. Every choice
// lives in the onboarding store, so quitting half way loses nothing; the window only shows and
// edits it. Closing it early (Escape, the close button) keeps the progress for next time;
// skipping from the first screen ends the setup for good.
class WelcomeWindow : public QDialog {
    Q_OBJECT
public:
    using DriveSource = WelcomeDestinationStep::DriveSource;

    // On the model's preferences and this computer's drives.
    explicit WelcomeWindow(AppModel& model, QWidget* parent = nullptr);
    // Progress kept in `preferences` (none keeps nothing); `drives` lists the drives offered
    // for the destination, asked again while that step shows.
    WelcomeWindow(AppModel& model, std::shared_ptr<QSettings> preferences, DriveSource drives,
                  QWidget* parent = nullptr);
    ~WelcomeWindow() override;

    OnboardingStore& store() { return *m_store; }

    // Whether the setup opens at launch: always with the demo switch, otherwise only for
    // someone who has neither finished it nor set anything up.
    static bool isNeeded(const AppModel& model);

    void reject() override;

Q_SIGNALS:
    // Once, as the window closes: what the application does next.
    void exited(const stowly::OnboardingExit& exit);

private:
    QWidget* buildSplash();
    QWidget* buildStarters();
    QWidget* buildFolders();
    QWidget* buildNaming();
    QWidget* buildReview();
    QWidget* buildDone();
    QWidget* page(const QString& title, const QString& subtitle, QVBoxLayout*& content);

    void edit(const std::function<void(OnboardingDraft&)>& change);
    void refresh();
    void refreshCards();
    void chooseDefaultButton();
    QString blockingMessage() const;
    void next();
    void finish();
    void leave(const OnboardingExit& exit);

    AppModel& m_model;
    std::unique_ptr<OnboardingStore> m_store;
    bool m_exited = false;

    QWidget* m_stepBar = nullptr;
    QList<QPushButton*> m_stepButtons;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_hint = nullptr;
    QWidget* m_nav = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_start = nullptr;

    QList<QRadioButton*> m_starters;
    WelcomeDestinationStep* m_destination = nullptr;
    QLineEdit* m_folderTemplate = nullptr;
    QLabel* m_folderLevels = nullptr;
    QCheckBox* m_renameFiles = nullptr;
    QLineEdit* m_fileTemplate = nullptr;
    QLabel* m_fileDescription = nullptr;
    QLineEdit* m_presetName = nullptr;
    QLabel* m_summary = nullptr;
    QCheckBox* m_skipShort = nullptr;
    QSpinBox* m_shortSeconds = nullptr;
    QCheckBox* m_eject = nullptr;
    QCheckBox* m_sound = nullptr;
    QCheckBox* m_askToImport = nullptr;
    QCheckBox* m_useNow = nullptr;
    QLabel* m_doneText = nullptr;
    QLabel* m_waiting = nullptr;
    QWidget* m_cardButtons = nullptr;
    QPushButton* m_openStowly = nullptr;
};

} // namespace stowly
