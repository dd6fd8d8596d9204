#pragma once

#include <QWidget>

#include <functional>

class QComboBox;
class QListWidget;
class QToolButton;

namespace stowly {

class AppSettings;

// The backup destinations: folders that get a copy of every file besides the destination, each
// from the card or from the first copy. Each change is stored at once; a folder whose drive is
// not plugged in shows as such.
class BackupDestinationsEditor : public QWidget {
    Q_OBJECT
public:
    // Asks for a folder with the message; an empty text when cancelled.
    using Chooser = std::function<QString(const QString& message)>;

    BackupDestinationsEditor(AppSettings& settings, QWidget* parent);
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }

private:
    void showFolders();
    // Only the choices change, so a combo box in use keeps its place and focus.
    void showSources();
    void addFolder();
    void removeSelected();

    AppSettings& m_settings;
    QListWidget* m_list;
    QToolButton* m_add;
    QToolButton* m_remove;
    // One per row, in the list's order.
    QList<QComboBox*> m_sources;
    Chooser m_chooser;
};

} // namespace stowly
