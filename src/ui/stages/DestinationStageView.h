#pragma once

#include "devices/SpaceInfo.h"
#include "ui/StagePanel.h"

#include <stop_token>

class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolButton;

namespace stowly {

class AppModel;
class FolderLevelsEditor;
class FolderTreePreview;

// Stage 3: where the files go. The destination folder with the space left on its volume, the
// favourites, choosing or dropping another folder, and the folders the offload will fill.
class DestinationStageView : public StagePanel {
    Q_OBJECT
public:
    DestinationStageView(AppModel& model, QWidget* parent = nullptr);
    ~DestinationStageView() override;

    // Folder choosing; a file dialog unless replaced.
    using FolderChooser = std::function<QString(QWidget* parent, const QString& startAt)>;
    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }

Q_SIGNALS:
    // "Edit Favorites…": favourites are edited in the settings window.
    void editFavoritesRequested();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void updateFolder();
    void updateSpace();
    void showSpace(const SpaceInfo& space);
    void updateTree();
    void fillFavorites();
    void chooseFolder();
    void setDropHighlight(bool on);

    AppModel& m_model;
    FolderChooser m_chooseFolder;
    QLabel* m_folder;
    QToolButton* m_favorites;
    QMenu* m_favoritesMenu;
    QProgressBar* m_gauge;
    QLabel* m_free;
    QLabel* m_spaceWarning;
    QLabel* m_hint;
    QPushButton* m_choose;
    QToolButton* m_reveal;
    QLabel* m_treeCaption;
    QLabel* m_quickDump;
    FolderTreePreview* m_tree;
    FolderLevelsEditor* m_levelsEditor = nullptr;
    QLabel* m_treeEmpty;
    QTimer* m_treeTimer;
    std::stop_source m_spaceTask;
    bool m_dropping = false;
};

} // namespace stowly
