#pragma once

#include "app/settings/AppSettings.h"
#include "ui/settings/SettingsPage.h"

#include <QUuid>

#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace stowly {

class AppModel;
class ElidedLabel;
class ReorderingList;

// The favourite destination folders: naming them, the default one, and where each one is.
class DestinationsSettingsTab : public SettingsPage {
    Q_OBJECT
public:
    // pickFolder asks the user for a folder; empty: the desktop's folder chooser.
    DestinationsSettingsTab(AppModel& model, std::shared_ptr<MailHandoff> handoff, QWidget* parent,
                            AppSettings::FolderPicker pickFolder = {});

    std::optional<QUuid> selectedFavorite() const;
    void selectFavorite(const QUuid& id);

private:
    // The backups, the second read of the card and the ASC MHL histories, under the
    // favourites.
    void addBackups();
    // The formats the ASC MHL histories take besides xxh128, under the switch that keeps them.
    void addHashFormats(AppSettings& settings);
    void showFavorites();
    void showSelected();
    void addFavorite();
    void changeFolder();

    AppModel& m_model;
    AppSettings::FolderPicker m_pickFolder;
    QStackedWidget* m_listStack;
    ReorderingList* m_list;
    QToolButton* m_remove;
    QLabel* m_error;
    QWidget* m_details;
    QLineEdit* m_name;
    ElidedLabel* m_path;
    QLabel* m_notConnected;
    QPushButton* m_makeDefault;
    QPushButton* m_changeFolder;
};

} // namespace stowly
