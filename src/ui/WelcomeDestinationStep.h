#pragma once

#include "app/onboarding/OnboardingDraft.h"
#include "app/onboarding/OnboardingDrive.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <stop_token>

class QCheckBox;
class QLabel;
class QListWidget;
class QTimer;

namespace stowly {

class DestinationStore;
class ElidedLabel;

// The setup's destination step: the drives worth keeping media on, any folder, and whether
// the folder becomes the default destination. It shows a draft and reports the user's edits.
class WelcomeDestinationStep : public QWidget {
    Q_OBJECT
public:
    using DriveSource = std::function<QList<OnboardingDrive>()>;

    WelcomeDestinationStep(const DestinationStore& destinations, DriveSource drives,
                           QWidget* parent = nullptr);
    ~WelcomeDestinationStep() override;

    void showDraft(const OnboardingDraft& draft);
    // While in front, the drives are looked at again now and then, as drives come and go.
    void setActive(bool active);

Q_SIGNALS:
    void folderChosen(const QString& path);
    void makeDefaultChanged(bool on);

private:
    void chooseFolder();
    void loadDrives();
    void showDrives(const QList<OnboardingDrive>& drives);

    const DestinationStore& m_destinations;
    DriveSource m_driveSource;
    OnboardingDraft m_draft;
    QList<OnboardingDrive> m_drives;
    std::stop_source m_driveTask;
    bool m_loadingDrives = false;
    bool m_hasDrives = false;

    QTimer* m_timer = nullptr;
    QListWidget* m_list = nullptr;
    ElidedLabel* m_path = nullptr;
    QLabel* m_firstFavoriteNote = nullptr;
    QCheckBox* m_makeDefault = nullptr;
};

} // namespace stowly
