#include "app/settings/Translations.h"
#include "base/Background.h"
#include "base/Log.h"
#include "base/SignalWatcher.h"
#include "cli/CardCommands.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/HistoryServerCommand.h"
#include "cli/OffloadCommands.h"
#include "cli/PresetsCommand.h"
#include "cli/ReportCommand.h"
#include "cli/RulesCommand.h"
#include "cli/SettingsCommand.h"
#include "cli/StationCommand.h"
#include "cli/VerifyCommand.h"
#include "copy/FolderProbe.h"
#include "diagnostics/CrashHandler.h"

#include <QGuiApplication>

#include <memory>

#include <csignal>
#include <cstdio>
#include <cstdlib>

using namespace stowly;

namespace {

int run(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    using Command = Invocation::Command;
    switch (invocation.command) {
    case Command::help:
        console.out() << CommandLine::usage();
        return exitCode::done;
    case Command::version:
        console.out() << "stowly-cli " << STOWLY_VERSION << '\n';
        return exitCode::done;
    case Command::cards:
        return CardCommands::cards(invocation, console, signals);
    case Command::scan:
        return OffloadCommands::scan(invocation, console, signals);
    case Command::plan:
        return OffloadCommands::plan(invocation, console, signals);
    case Command::offload:
        return OffloadCommands::offload(invocation, console, signals);
    case Command::history:
        return CardCommands::history(invocation, console, signals);
    case Command::forget:
        return CardCommands::forget(invocation, console, signals);
    case Command::format:
        return CardCommands::format(invocation, console, signals);
    case Command::eject:
        return CardCommands::eject(invocation, console, signals);
    case Command::mount:
        return CardCommands::mount(invocation, console, signals);
    case Command::settings:
        return SettingsCommand::run(invocation, console, signals);
    case Command::presets:
        return PresetsCommand::run(invocation, console, signals);
    case Command::rules:
        return RulesCommand::run(invocation, console, signals);
    case Command::station:
        return StationCommand::run(invocation, console, signals);
    case Command::verify:
        return VerifyCommand::run(invocation, console);
    case Command::report:
        return ReportCommand::run(invocation, console, signals);
    case Command::historyServer:
        return HistoryServerCommand::run(invocation, console, signals);
    }
    return exitCode::usage;
}

} // namespace

namespace {

// Commands that may write a report lay out text and pictures, which takes a GUI application;
// it never opens a window, so it needs no display.
bool mayWriteReports(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '-')
            return QByteArrayView(argv[i]) == "report" || QByteArrayView(argv[i]) == "offload" ||
                   QByteArrayView(argv[i]) == "station";
    return false;
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
    if (!mayWriteReports(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's start-up notes (no runtime folder on a headless station, say) are the
    // log's business, not the terminal's.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
            Log::info(Log::Category::app, message);
        });
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(previous);
    return application;
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("Stowly"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STOWLY_VERSION));
    CrashHandler::install();
    Log::useDefaultFile();
    Log::setEchoToTerminal(false);
    // What scripts read stays as it is in every language.
    if (!app.arguments().contains(QStringLiteral("--json")))
        Translations::installFromPreferences();
    // A reader that goes away (a closed pipe) must not end a copy half way: writes to it fail
    // instead.
    std::signal(SIGPIPE, SIG_IGN);
    // No window to keep answering: a share that is reconnecting is waited for.
    FolderProbe::setPatience(std::chrono::seconds(15));

    Console console;
    if (app.arguments().size() < 2) {
        console.err() << CommandLine::usage();
        console.err().flush();
        return exitCode::usage;
    }
    const auto parsed = CommandLine::parse(app.arguments().mid(1), QDateTime::currentDateTime());
    if (const QString* problem = std::get_if<QString>(&parsed)) {
        console.message(*problem);
        console.message(
            QCoreApplication::translate("main", "Run “stowly-cli --help” for the usage."));
        return exitCode::usage;
    }
    const Invocation& invocation = std::get<Invocation>(parsed);
    SignalWatcher signals;
    // Only the commands that wait for copies, scans or the disk tools stop cleanly; the others
    // may simply end.
    using Command = Invocation::Command;
    if (QList{Command::scan, Command::plan, Command::offload, Command::format, Command::eject,
              Command::station}
            .contains(invocation.command))
        signals.start();
    const int status = run(invocation, console, signals);
    console.out().flush();
    console.err().flush();
    // An interrupted scan may still be walking the card; it only reads, so nobody waits for it.
    if (status == exitCode::interrupted) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    // Background work still running posts to objects of this thread; let it end while the
    // application is there.
    background::waitForDone();
    return status;
}
