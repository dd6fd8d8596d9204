#include "cli/RulesCommand.h"

#include "app/model/AutomaticOffload.h"
#include "app/stores/CameraStore.h"
#include "app/stores/JsonFields.h"
#include "app/stores/RuleStore.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/JsonOutput.h"
#include "cli/ModelHost.h"
#include "cli/TerminalText.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <variant>

namespace stowly {
namespace {

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(RulesCommand)
};

QString line(const AutomaticOffload& automatic, const OffloadRule& rule) {
    return automatic.matchText(rule) + QStringLiteral(" → ") + automatic.actionText(rule);
}

QJsonObject json(const AppModel& model, const OffloadRule& rule, qsizetype number) {
    QJsonObject object = rule.toJson();
    object.insert(QStringLiteral("number"), number);
    const std::optional<OffloadPreset> preset =
        rule.presetID ? model.presets().preset(*rule.presetID) : std::nullopt;
    object.insert(QStringLiteral("preset"),
                  preset ? QJsonValue(preset->displayName()) : QJsonValue());
    object.insert(QStringLiteral("description"), line(model.automaticOffload(), rule));
    return object;
}

// The rule the options describe, or what is wrong with them.
std::variant<OffloadRule, QString> ruleFrom(const Invocation& invocation, const AppModel& model) {
    if (!invocation.match)
        return Words::tr("rules add needs --match: any, name:PATTERN, identity:ID or camera:NAME.");
    OffloadRule rule;
    const QString match = *invocation.match;
    const qsizetype colon = match.indexOf(u':');
    const std::optional<OffloadRule::Match> kind =
        OffloadRule::matchNamed(colon < 0 ? match.trimmed() : match.left(colon).trimmed());
    if (!kind)
        return Words::tr("--match takes any, name:PATTERN, identity:ID or camera:NAME, not %1.")
            .arg(TerminalText::quotedName(match));
    rule.match = *kind;
    rule.value = colon < 0 ? QString() : match.mid(colon + 1).trimmed();
    if (rule.match == OffloadRule::Match::camera) {
        const std::optional<Camera> camera = model.cameras().named(rule.value);
        if (!camera)
            return Words::tr("There’s no camera named %1.")
                .arg(TerminalText::quotedName(rule.value));
        rule.value = JsonFields::uuidText(camera->id);
    }
    if (invocation.preset) {
        bool found = false;
        for (const OffloadPreset& preset : model.presets().presets())
            if (preset.displayName().compare(*invocation.preset, Qt::CaseInsensitive) == 0) {
                rule.presetID = preset.id;
                found = true;
            }
        if (!found)
            return Words::tr("There’s no preset named %1. Run “stowly-cli presets” to list them.")
                .arg(TerminalText::quotedName(*invocation.preset));
    }
    rule.project = invocation.run.project.value_or(QString()).trimmed();
    rule.startWithoutAsking = !invocation.ask;
    rule.ejectWhenVerified = invocation.eject;
    if (const std::optional<QString> refusal = model.automaticOffload().refusal(rule))
        return *refusal;
    return rule;
}

int saved(const RuleStore& rules, Console& console) {
    if (const std::optional<QString>& error = rules.lastError()) {
        console.message(*error);
        return exitCode::failed;
    }
    return exitCode::done;
}

} // namespace

int RulesCommand::run(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    ModelHost host(signals);
    AppModel& model = host.model();
    RuleStore& rules = model.rules();
    const QStringList& words = invocation.arguments;
    const QString action = words.value(0, QStringLiteral("list"));
    if (action == u"list" && words.size() <= 1) {
        const QList<OffloadRule>& list = rules.rules();
        if (invocation.json) {
            QJsonArray array;
            for (qsizetype i = 0; i < list.size(); ++i)
                array.append(json(model, list[i], i + 1));
            console.writeOut(JsonOutput::text(array));
        } else if (list.isEmpty()) {
            console.out() << Words::tr("No rules yet: inserted cards wait for you. Add one with "
                                       "“stowly-cli rules add --match any --preset NAME”.")
                          << '\n';
        } else {
            for (qsizetype i = 0; i < list.size(); ++i)
                console.out() << i + 1 << ". "
                              << TerminalText::name(line(model.automaticOffload(), list[i]))
                              << '\n';
        }
        return saved(rules, console);
    }
    if (action == u"add" && words.size() == 1) {
        const auto made = ruleFrom(invocation, model);
        if (const QString* problem = std::get_if<QString>(&made)) {
            console.message(TerminalText::name(*problem));
            return exitCode::usage;
        }
        const OffloadRule& rule = std::get<OffloadRule>(made);
        rules.add(rule);
        if (invocation.json)
            console.writeOut(JsonOutput::text(json(model, rule, rules.rules().size())));
        else
            console.out() << Words::tr("Added rule %1: ").arg(rules.rules().size())
                          << TerminalText::name(line(model.automaticOffload(), rule)) << '\n';
        return saved(rules, console);
    }
    if (action == u"remove" && words.size() == 2) {
        bool isNumber = false;
        const int number = words[1].toInt(&isNumber);
        const std::optional<QUuid> id = JsonFields::parseUuid(QJsonValue(words[1].trimmed()));
        std::optional<OffloadRule> rule;
        if (isNumber && number >= 1 && number <= rules.rules().size())
            rule = rules.rules()[number - 1];
        else if (id)
            rule = rules.rule(*id);
        if (!rule) {
            console.message(Words::tr("There’s no rule %1. Run “stowly-cli rules” to list them.")
                                .arg(TerminalText::quotedName(words[1])));
            return exitCode::usage;
        }
        rules.remove(rule->id);
        console.out() << Words::tr("Removed the rule ")
                      << TerminalText::name(line(model.automaticOffload(), *rule)) << '\n';
        return saved(rules, console);
    }
    console.message(
        Words::tr("rules takes add with its options, or remove with the rule’s number."));
    return exitCode::usage;
}

} // namespace stowly
