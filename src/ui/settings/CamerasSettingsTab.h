#pragma once

#include "ui/settings/SettingsPage.h"

class QStackedWidget;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;

namespace stowly {

class CameraStore;

// The cameras a user shoots with, their names and the short codes names are made with.
class CamerasSettingsTab : public SettingsPage {
    Q_OBJECT
public:
    CamerasSettingsTab(CameraStore& cameras, std::shared_ptr<MailHandoff> handoff, QWidget* parent);

private:
    void showCameras();
    void edited(QTableWidgetItem* item);
    void addCamera();
    void removeSelected();

    CameraStore& m_cameras;
    QStackedWidget* m_stack = nullptr;
    QTableWidget* m_table = nullptr;
    QToolButton* m_remove = nullptr;
    QLabel* m_error = nullptr;
    bool m_showing = false;
};

} // namespace stowly
