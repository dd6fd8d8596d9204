#include "ui/DesktopApp.h"

#include "app/model/AppModel.h"
#include "ui/DesktopLook.h"
#include "ui/DesktopPromptPresenter.h"
#include "ui/EventSound.h"
#include "ui/MainWindow.h"
#include "ui/OffloadNotice.h"
#include "ui/StatusItemController.h"
#include "ui/Theme.h"
#include "ui/WelcomeWindow.h"
#include "ui/settings/SettingsWindow.h"

#include <QApplication>
#include <QDBusConnection>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>

namespace stowly {

DesktopApp::DesktopApp(AppModel& model, DesktopLook* look, QObject* parent)
    : QObject(parent), m_model(model), m_look(look ? look : new DesktopLook(true, this)),
      m_desktopIsDark(QApplication::palette().color(QPalette::Window).lightness() < 128),
      m_window(std::make_unique<MainWindow>(model)), m_sound(new EventSound(this)) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Theme::useFallbackIcons();
    // The window closing decides for itself whether the application ends (menu bar mode).
    QApplication::setQuitOnLastWindowClosed(false);
    connect(m_window.get(), &MainWindow::closed, this, &DesktopApp::windowClosed);
    connect(m_window.get(), &MainWindow::settingsRequested, this, [this] { showSettings(); });
    connect(m_window.get(), &MainWindow::settingsTabRequested, this,
            [this](SettingsTab tab) { showSettings(tab); });
    connect(m_window.get(), &MainWindow::quitRequested, this, &DesktopApp::quit);
    m_window->setCloseGuard([this] { return mayCloseWindow(); });
    connect(m_look, &DesktopLook::changed, this, &DesktopApp::applyTheme);
    m_model.settings().onChange(setting::theme, this, &DesktopApp::applyTheme);
    // The model hands the appearance over now and on every change.
    m_model.setFrontEnd(this);
    m_prompts = std::make_unique<DesktopPromptPresenter>(m_model.importPrompter(),
                                                         QDBusConnection::sessionBus());
    new OffloadNotice(
        m_model, QDBusConnection::sessionBus(),
        [this] { return m_window->isVisible() && m_window->isActiveWindow(); }, this);
    m_statusItem = std::make_unique<StatusItemController>(
        m_model, StatusItemController::Actions{[this] { showMainWindow(); },
                                               [this] { showSettings(); }, [this] { quit(); }});
}

DesktopApp::~DesktopApp() {
    // The setup and settings windows are top-level and bound to the model: they go first.
    delete m_welcome.data();
    delete m_settings.data();
    m_model.setFrontEnd(nullptr);
}

void DesktopApp::openMainWindowIfClosed() {
    if (!m_window->isVisible())
        showMainWindow();
}

void DesktopApp::runInBackground() {
    // The tray item (when wanted) stays; the process keeps watching for cards.
    m_window->hide();
}

void DesktopApp::showWelcomeIfNeeded() {
    if (m_welcome || !WelcomeWindow::isNeeded(m_model))
        return;
    auto* welcome = new WelcomeWindow(m_model);
    welcome->setAttribute(Qt::WA_DeleteOnClose);
    welcome->addAction(m_window->quitAction());
    m_welcome = welcome;
    connect(welcome, &WelcomeWindow::exited, this, [this](const OnboardingExit& exit) {
        switch (exit.kind) {
        case OnboardingExit::Kind::offload:
            if (exit.card)
                m_model.showForImport(*exit.card);
            showMainWindow();
            break;
        case OnboardingExit::Kind::openStowly:
            showMainWindow();
            break;
        case OnboardingExit::Kind::openSettings:
            showSettings();
            break;
        case OnboardingExit::Kind::skipped:
            break;
        }
    });
    welcome->show();
    welcome->raise();
    welcome->activateWindow();
}

void DesktopApp::showSettings(std::optional<SettingsTab> tab) {
    if (!m_settings) {
        auto* settings = new SettingsWindow(m_model, nullptr, m_look->highContrast());
        settings->setAttribute(Qt::WA_DeleteOnClose);
        // Ctrl+Q works here also while the main window is closed.
        settings->addAction(m_window->quitAction());
        m_settings = settings;
    }
    if (tab)
        m_settings->showTab(*tab);
    m_settings->show();
    m_settings->raise();
    m_settings->activateWindow();
}

void DesktopApp::quit() {
    if (m_model.isBusy() && !mayStopAndQuit(false))
        return;
    leave();
}

bool DesktopApp::isActive() const {
    return QApplication::applicationState() == Qt::ApplicationActive;
}

bool DesktopApp::isMainWindowVisible() const {
    return m_window->isVisible() && !m_window->isMinimized();
}

void DesktopApp::showMainWindow() {
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void DesktopApp::playSuccessSound() {
    m_sound->play(QStringLiteral("complete"), tr("Offload complete"));
}

void DesktopApp::setAppearance(AppAppearance) {
    applyTheme();
}

void DesktopApp::applyTheme() {
    const AppSettings& settings = m_model.settings();
    bool dark = true;
    switch (settings.value(setting::appearance)) {
    case AppAppearance::light:
        dark = false;
        break;
    case AppAppearance::dark:
        dark = true;
        break;
    case AppAppearance::system:
        // The desktop's stated wish, else what its own palette looks like.
        dark = m_look->prefersDark().value_or(m_desktopIsDark);
        break;
    }
    const ThemeColors colors =
        Theme::colors(settings.value(setting::theme), dark, m_look->highContrast());
    QApplication::setPalette(Theme::palette(colors));
    qApp->setStyleSheet(Theme::styleSheet(colors, QApplication::font()));
}

void DesktopApp::confirm(const Confirmation& confirmation, std::function<void(bool)> done) {
    auto* box = new QMessageBox(QMessageBox::Warning, confirmation.title, confirmation.message,
                                QMessageBox::NoButton, m_window.get());
    QPushButton* yes = box->addButton(confirmation.confirmButton, QMessageBox::AcceptRole);
    // The safe answer is the one Return gives.
    box->setDefaultButton(box->addButton(QMessageBox::Cancel));
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this,
            [box, yes, done = std::move(done)] { done(box->clickedButton() == yes); });
    box->open();
}

bool DesktopApp::mayCloseWindow() {
    return !m_model.isBusy() || m_model.settings().value(setting::keepRunningInMenuBar) ||
           mayStopAndQuit(true);
}

bool DesktopApp::mayStopAndQuit(bool closingWindow) {
    QMessageBox box(QMessageBox::Warning, tr("Stop the offload and quit?"),
                    closingWindow
                        ? tr("Closing the window quits Stowly and stops the offload. Files copied "
                             "so far keep their verified copies; the rest stay on the card.")
                        : tr("Quitting stops the offload. Files copied so far keep their verified "
                             "copies; the rest stay on the card."),
                    QMessageBox::NoButton, m_window.get());
    box.setObjectName(QStringLiteral("quitWhileCopying"));
    QPushButton* quit = box.addButton(tr("Stop and Quit"), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(tr("Keep Copying"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == quit;
}

void DesktopApp::leave() {
    Q_EMIT quitting();
    if (m_exit)
        m_exit();
    else
        // Not quit(): that closes every window again, and the main window's close would ask
        // a second time what the user has just answered.
        QCoreApplication::exit(0);
}

void DesktopApp::windowClosed() {
    if (m_model.settings().value(setting::keepRunningInMenuBar)) {
        runInBackground();
        return;
    }
    leave();
}

} // namespace stowly
