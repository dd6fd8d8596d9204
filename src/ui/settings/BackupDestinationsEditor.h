#pragma once

#include <QWidget>

#include <functional>

class QListWidget;
class QToolButton;

namespace stowly {

class AppSettings;

// The backup destinations: folders that get a copy of every file besides the destination.
// Each change is stored at once; a folder whose drive is not plugged in shows as such.
class BackupDestinationsEditor : public QWidget {
    Q_OBJECT
public:
    // Asks for a folder with the message; an empty text when cancelled.
    using Chooser = std::function<QString(const QString& message)>;

    BackupDestinationsEditor(AppSettings& settings, QWidget* parent);
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }

private:
    void showFolders();
    void addFolder();
    void removeSelected();

    AppSettings& m_settings;
    QListWidget* m_list;
    QToolButton* m_remove;
    Chooser m_chooser;
};

} // namespace stowly
