#include "app/model/AppLaunch.h"
#include "app/settings/Translations.h"
#include "base/Background.h"
#include "base/Log.h"
#include "base/SignalWatcher.h"
#include "diagnostics/CrashHandler.h"
#include "print/ReportWriter.h"
#include "ui/AccessibleFactory.h"
#include "ui/CrashReportOffer.h"
#include "ui/DesktopApp.h"
#include "ui/MainWindow.h"
#include "ui/SingleInstance.h"

#include <QApplication>
#include <QIcon>

#include <csignal>

using namespace stowly;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Before any widget is made: with a screen reader on, widgets are read as they appear.
    AccessibleFactory::install();
    QApplication::setApplicationName(QStringLiteral("Stowly"));
    QApplication::setApplicationVersion(QStringLiteral(STOWLY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("app.stowly.Stowly"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/stowly.svg")));
    // Before any text is made.
    Translations::installFromPreferences();
    CrashHandler::install();
    Log::useDefaultFile();
    // A reader that goes away must not end the application.
    std::signal(SIGPIPE, SIG_IGN);

    // A second launch only brings the first one's window forward.
    SingleInstance instance;
    if (!instance.claim())
        return 0;

    SignalWatcher signals;
    signals.start();
    // A polite request to stop ends the copy cleanly without asking anyone (exit, not quit:
    // quit closes the window, which asks while a copy runs).
    QObject::connect(&signals, &SignalWatcher::interrupted, &app,
                     [] { QCoreApplication::exit(0); });

    // Started from the autostart entry at login.
    const bool loginLaunch = app.arguments().contains(QStringLiteral("--login"));
    AppPlatform platform;
    // A person is at the desktop to answer the system's password prompt.
    platform.allowsAuthorizationPrompts = true;
    auto model = AppLaunch::makeModel(AppStores{}, std::move(platform));
    model->setReportPrinter(ReportWriter::printer);
    DesktopApp desktop(*model);
    QObject::connect(&instance, &SingleInstance::activationRequested, &desktop,
                     &DesktopApp::showMainWindow);

    AppLaunch::Hooks hooks;
    hooks.offerCrashReport = [&desktop](const CrashReports::File& report) {
        CrashReportOffer::ask(desktop.window().isVisible() ? &desktop.window() : nullptr, report);
    };
    hooks.showOnboardingIfNeeded = [&desktop] { desktop.showWelcomeIfNeeded(); };
    hooks.runInMenuBar = [&desktop] { desktop.runInBackground(); };
    hooks.openMainWindowIfClosed = [&desktop] { desktop.openMainWindowIfClosed(); };
    AppLaunch::start(*model, loginLaunch, std::move(hooks));

    const int status = app.exec();
    // Work still running in the background posts to objects of this thread; let it end while
    // they are there.
    background::waitForDone();
    return status;
}
