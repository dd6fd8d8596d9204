#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QWidget>

#include <cstdlib>

namespace stowly::test {

// The icon theme the application falls back to; before the views are made, as their icons are
// looked up then.
inline void useShotIcons() {
    if (!std::getenv("STOWLY_SHOTS"))
        return;
    QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << QStringLiteral("/usr/share/icons"));
    QIcon::setThemeName(QStringLiteral("Adwaita"));
}

// Saves a picture of a view when STOWLY_SHOTS names a folder, for looking at the views while
// working on them; a plain test run writes nothing.
inline void saveShot(QWidget& widget, const QString& name, QSize size = {}) {
    const char* folder = std::getenv("STOWLY_SHOTS");
    if (!folder || !*folder)
        return;
    if (size.isValid())
        widget.resize(size);
    widget.show();
    // Thumbnails and sizes settle after the first paint.
    widget.grab();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 400)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QDir().mkpath(QString::fromLocal8Bit(folder));
    widget.grab().save(QString::fromLocal8Bit(folder) + u'/' + name + QStringLiteral(".png"));
}

} // namespace stowly::test
