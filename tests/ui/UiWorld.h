#pragma once

#include "support/AppModelWorld.h"
#include "ui/DesktopApp.h"
#include "ui/DesktopLook.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QTimer>

#include <gtest/gtest.h>

namespace stowly::test {

// The desktop application over a World, its window not yet shown.
struct WindowWorld {
    World world;
    DesktopLook look{false};
    DesktopApp desktop{*world.model, &look};
    MainWindow& window = desktop.window();
    // Ending this process's event loop would end every later one at once.
    WindowWorld() {
        desktop.setExit([] {});
    }
};

// The child of that type and object name; the test fails where there is none.
template <typename T = QWidget> T* find(const QObject& root, const char* name) {
    T* found = root.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The visible top-level window of that type, with that object name when one is given.
template <typename T> T* shownTopLevel(const QString& name = {}) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<T*>(top);
            found && found->isVisible() && (name.isEmpty() || found->objectName() == name))
            return found;
    return nullptr;
}

// Presses the button with this text in the next message box that opens.
inline void answerNextBox(const QString& button) {
    QTimer::singleShot(0, [button] {
        if (QMessageBox* box = shownTopLevel<QMessageBox>())
            for (QAbstractButton* b : box->buttons())
                if (b->text() == button)
                    b->click();
    });
}

// The environment of the real program: a home of the test's own and no desktop bus.
inline QProcessEnvironment programEnvironment(const TempDir& home) {
    QDir().mkpath(home("runtime"));
    QFile::setPermissions(home("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    for (const char* kind : {"DATA", "CONFIG", "STATE", "CACHE"})
        env.insert(QStringLiteral("XDG_%1_HOME").arg(kind), home(QString(kind).toLower()));
    env.insert("XDG_RUNTIME_DIR", home("runtime"));
    env.remove("QT_QPA_PLATFORM");
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    return env;
}

} // namespace stowly::test
