#pragma once

#include <QDBusConnection>
#include <QString>

namespace stowly {

// Shows files in the desktop's file manager with the file selected, through the file manager's
// D-Bus interface (org.freedesktop.FileManager1). Where no file manager answers there, the
// folder holding the file opens instead, so the user still lands next to it.
class FileManager {
public:
    explicit FileManager(QDBusConnection bus = QDBusConnection::sessionBus());

    // Asks without waiting; the folder opens if the file manager refuses or is not there.
    void showItem(const QString& path) const;
    // Opens a folder itself, for when there is nothing in it to point at.
    static void openFolder(const QString& folder);

private:
    QDBusConnection m_bus;
};

} // namespace stowly
