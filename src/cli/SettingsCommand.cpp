#include "cli/SettingsCommand.h"

#include "base/Quoted.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/ModelHost.h"

#include <QCoreApplication>

namespace stowly {
namespace {

QString written(const AppSettings& settings, const SettingDefinition& setting) {
    return setting.text(settings.value(setting));
}

void apply(AppModel& model, const SettingDefinition& setting, const QVariant& value) {
    // As choosing the folder in the window: through its favourite when it has one.
    if (setting.key == setting::destinationPath.view())
        if (const auto path = qvariant_cast<std::optional<QString>>(value)) {
            model.useFolder(*path);
            return;
        }
    model.settings().setValue(setting, value);
}

} // namespace

int SettingsCommand::run(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    ModelHost host(signals);
    AppModel& model = host.model();
    const AppSettings& settings = model.settings();
    const QStringList& arguments = invocation.arguments;
    if (arguments.isEmpty()) {
        for (const SettingDefinition& setting : SettingsTable::rows())
            console.out() << setting.key << " = " << written(settings, setting) << '\n';
        return exitCode::done;
    }
    const SettingDefinition* setting = SettingsTable::find(arguments.first());
    if (!setting) {
        console.message(
            QCoreApplication::translate(
                "SettingsCommand", "There’s no setting %1. Run “stowly-cli settings” to list them.")
                .arg(quoted(arguments.first())));
        return exitCode::usage;
    }
    if (arguments.size() == 1) {
        console.out() << written(settings, *setting) << '\n';
        return exitCode::done;
    }
    if (setting->internal) {
        console.message(
            QCoreApplication::translate("SettingsCommand", "%1 is kept by Stowly itself.")
                .arg(quoted(setting->key)));
        return exitCode::usage;
    }
    const SettingDefinition::Parsed parsed = setting->parse(arguments.at(1));
    for (const QString& note : parsed.notes)
        console.message(note);
    if (!parsed.value) {
        console.message(parsed.refusal);
        return exitCode::usage;
    }
    apply(model, *setting, *parsed.value);
    if (const auto& store = settings.defaults(); store && store->status() != QSettings::NoError) {
        console.message(
            QCoreApplication::translate("SettingsCommand", "Couldn’t save the preferences to %1.")
                .arg(store->fileName()));
        return exitCode::failed;
    }
    console.out() << setting->key << " = " << written(settings, *setting) << '\n';
    return exitCode::done;
}

} // namespace stowly
