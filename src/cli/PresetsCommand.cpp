#include "cli/PresetsCommand.h"

#include "app/stores/CameraStore.h"
#include "app/stores/RuleStore.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/JsonOutput.h"
#include "cli/ModelHost.h"
#include "cli/TerminalText.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace stowly {
namespace {

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(PresetsCommand)
};

std::optional<OffloadPreset> named(const PresetStore& presets, const QString& name) {
    for (const OffloadPreset& preset : presets.presets())
        if (preset.displayName().compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return preset;
    return std::nullopt;
}

QJsonObject json(const OffloadPreset& preset, const AppModel& model) {
    QJsonObject object = preset.toJson();
    object.insert(QStringLiteral("active"), model.presets().activeID() == preset.id);
    object.insert(QStringLiteral("summary"), preset.summary());
    return object;
}

QString details(const OffloadPreset& preset, const AppModel& model) {
    const std::optional<Camera> camera = model.cameras().camera(preset.cameraID);
    QString text;
    QTextStream out(&text);
    const auto name = TerminalText::name;
    out << name(preset.displayName()) << '\n'
        << Words::tr("  Destination:  ")
        << name(preset.destinationPath.value_or(Words::tr("(unchanged)"))) << '\n'
        << Words::tr("  Folders:      ") << name(preset.folderTemplate) << '\n'
        << Words::tr("  Files:        ") << name(preset.fileTemplate) << '\n'
        << Words::tr("  Camera:       ") << name(camera ? camera->name : Words::tr("(none)"))
        << '\n'
        << Words::tr("  Short clips:  ")
        << (preset.skipShortClips ? Words::tr("skipped under %1 s").arg(preset.shortClipSeconds)
                                  : Words::tr("kept"))
        << '\n'
        << Words::tr("  Quick dump:   ") << (preset.quickDump ? Words::tr("on") : Words::tr("off"))
        << '\n';
    return text;
}

int saved(const PresetStore& presets, Console& console) {
    if (const std::optional<QString>& error = presets.lastError()) {
        console.message(*error);
        return exitCode::failed;
    }
    return exitCode::done;
}

} // namespace

int PresetsCommand::run(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    ModelHost host(signals);
    AppModel& model = host.model();
    PresetStore& presets = model.presets();
    const QStringList& words = invocation.arguments;
    const QString action = words.value(0, QStringLiteral("list"));
    if (action == u"list" && words.size() <= 1) {
        if (invocation.json) {
            QJsonArray list;
            for (const OffloadPreset& preset : presets.presets())
                list.append(json(preset, model));
            console.writeOut(JsonOutput::text(list));
        } else if (presets.presets().isEmpty()) {
            console.out() << Words::tr("No presets yet. Save the current settings as one with "
                                       "“stowly-cli presets save NAME”.")
                          << '\n';
        } else {
            for (const OffloadPreset& preset : presets.presets())
                console.out() << TerminalText::name(preset.displayName())
                              << (presets.activeID() == preset.id ? Words::tr(" (in use)")
                                                                  : QString())
                              << " — " << preset.summary() << '\n';
        }
        return saved(presets, console);
    }
    if (!QStringList{"show", "save", "update", "delete"}.contains(action)) {
        console.message(Words::tr("presets takes show, save, update or delete, not %1.")
                            .arg(TerminalText::quotedName(action)));
        return exitCode::usage;
    }
    if (words.size() < 2 || words[1].trimmed().isEmpty()) {
        console.message(Words::tr("presets %1 needs the preset’s name.").arg(action));
        return exitCode::usage;
    }
    const QString name = words[1].trimmed();
    if (action == u"save") {
        const OffloadPreset stored = model.saveCurrentSetupAsPreset(name);
        if (invocation.json)
            console.writeOut(JsonOutput::text(json(stored, model)));
        else
            console.out() << Words::tr("Saved the current settings as %1.")
                                 .arg(TerminalText::quotedName(stored.name))
                          << '\n';
        return saved(presets, console);
    }
    const std::optional<OffloadPreset> preset = named(presets, name);
    if (!preset) {
        console.message(
            Words::tr("There’s no preset named %1. Run “stowly-cli presets” to list them.")
                .arg(TerminalText::quotedName(name)));
        return exitCode::usage;
    }
    if (action == u"show") {
        if (invocation.json)
            console.writeOut(JsonOutput::text(json(*preset, model)));
        else
            console.out() << details(*preset, model);
        return exitCode::done;
    }
    if (action == u"update") {
        model.updatePresetFromCurrentSetup(preset->id);
        console.out() << Words::tr("%1 now holds the current settings.")
                             .arg(TerminalText::quotedName(preset->name))
                      << '\n';
        return saved(presets, console);
    }
    // A rule must not be left naming a preset that's gone.
    const QList<OffloadRule>& rules = model.rules().rules();
    for (qsizetype i = 0; i < rules.size(); ++i)
        if (rules[i].presetID == preset->id) {
            console.message(Words::tr("Rule %1 offloads cards with %2: remove the rule first.")
                                .arg(i + 1)
                                .arg(TerminalText::quotedName(preset->displayName())));
            return exitCode::usage;
        }
    presets.remove(preset->id);
    console.out() << Words::tr("Deleted %1.").arg(TerminalText::quotedName(preset->displayName()))
                  << '\n';
    return saved(presets, console);
}

} // namespace stowly
