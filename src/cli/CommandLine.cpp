#include "cli/CommandLine.h"

#include "base/Quoted.h"

#include <QCoreApplication>

namespace stowly {
namespace {

using Command = Invocation::Command;

enum class Option {
    json,
    to,
    also,
    cascade,
    verifySource,
    mhl,
    project,
    camera,
    quickDump,
    reoffload,
    includeShort,
    dates,
    card,
    yes,
    discardShortClips,
    allowPasswordPrompt,
    record,
    preset,
    eject,
    mount,
    hook,
    match,
    ask,
    run,
    day,
    format,
    out,
    station
};

struct OptionInfo {
    const char* name;
    Option option;
    bool takesValue;
};

constexpr OptionInfo optionTable[] = {
    {"json", Option::json, false},
    {"to", Option::to, true},
    {"also", Option::also, true},
    {"cascade", Option::cascade, true},
    {"verify-source", Option::verifySource, false},
    {"mhl", Option::mhl, false},
    {"project", Option::project, true},
    {"camera", Option::camera, true},
    {"quick-dump", Option::quickDump, false},
    {"reoffload", Option::reoffload, true},
    {"include-short", Option::includeShort, false},
    {"dates", Option::dates, true},
    {"card", Option::card, true},
    {"yes", Option::yes, false},
    {"discard-short-clips", Option::discardShortClips, false},
    {"allow-password-prompt", Option::allowPasswordPrompt, false},
    {"record", Option::record, false},
    {"preset", Option::preset, true},
    {"eject", Option::eject, false},
    {"mount", Option::mount, false},
    {"hook", Option::hook, true},
    {"match", Option::match, true},
    {"ask", Option::ask, false},
    {"run", Option::run, true},
    {"day", Option::day, true},
    {"format", Option::format, true},
    {"out", Option::out, true},
    {"station", Option::station, true},
};

struct CommandInfo {
    const char* name;
    Command command;
    // How many plain arguments it takes.
    int minArguments;
    int maxArguments;
    QList<Option> options;
};

const QList<Option> runOptions{Option::to,           Option::also,      Option::cascade,
                               Option::verifySource, Option::mhl,       Option::project,
                               Option::camera,       Option::quickDump, Option::reoffload,
                               Option::includeShort, Option::dates,     Option::json};

const QList<CommandInfo>& commandTable() {
    static const QList<CommandInfo> table{
        {"cards", Command::cards, 0, 0, {Option::json}},
        {"scan", Command::scan, 1, 1, runOptions},
        {"plan", Command::plan, 1, 1, runOptions},
        {"offload", Command::offload, 1, 64, runOptions},
        {"history", Command::history, 0, 0, {Option::card, Option::station, Option::json}},
        {"history-server",
         Command::historyServer,
         1,
         1,
         {Option::station, Option::out, Option::json}},
        {"forget", Command::forget, 1, 1, {}},
        {"format",
         Command::format,
         1,
         1,
         {Option::yes, Option::discardShortClips, Option::allowPasswordPrompt}},
        {"eject", Command::eject, 1, 1, {Option::allowPasswordPrompt}},
        {"mount", Command::mount, 1, 1, {Option::allowPasswordPrompt}},
        {"settings", Command::settings, 0, 2, {}},
        {"presets", Command::presets, 0, 2, {Option::json}},
        {"rules",
         Command::rules,
         0,
         2,
         {Option::json, Option::match, Option::preset, Option::project, Option::ask,
          Option::eject}},
        {"station",
         Command::station,
         0,
         0,
         {Option::json, Option::preset, Option::project, Option::eject, Option::mount, Option::hook,
          Option::allowPasswordPrompt}},
        {"verify", Command::verify, 1, 1, {Option::json, Option::record}},
        {"report",
         Command::report,
         0,
         0,
         {Option::run, Option::card, Option::day, Option::project, Option::format, Option::out}},
    };
    return table;
}

const OptionInfo* findOption(QStringView name) {
    for (const OptionInfo& entry : optionTable)
        if (name == QLatin1StringView(entry.name))
            return &entry;
    return nullptr;
}

// Applies one option's value; the problem in words when the value is not one it takes.
std::optional<QString> apply(Invocation& invocation, Option option, const QString& value,
                             const QDateTime& now) {
    RunOptions& run = invocation.run;
    switch (option) {
    case Option::json:
        invocation.json = true;
        break;
    case Option::to:
        if (value.isEmpty())
            return QCoreApplication::translate("CommandLine", "--to needs a folder.");
        run.destination = value;
        break;
    case Option::also:
        if (value.isEmpty())
            return QCoreApplication::translate("CommandLine", "--also needs a folder.");
        run.backups.append(value);
        break;
    case Option::cascade:
        if (value.isEmpty())
            return QCoreApplication::translate("CommandLine", "--cascade needs a folder.");
        run.backups.append(value);
        run.cascades.append(value);
        break;
    case Option::verifySource:
        run.verifySource = true;
        break;
    case Option::mhl:
        run.mhl = true;
        break;
    case Option::project:
        run.project = value;
        break;
    case Option::camera:
        if (value.trimmed().isEmpty())
            return QCoreApplication::translate("CommandLine",
                                               "--camera needs the name of one of your cameras.");
        run.camera = value;
        break;
    case Option::quickDump:
        run.quickDump = true;
        break;
    case Option::reoffload:
        run.reoffload = reoffloadMode::fromRawValue(value);
        if (!run.reoffload)
            return QCoreApplication::translate(
                       "CommandLine", "--reoffload takes off, missing or everything, not %1.")
                .arg(quoted(value));
        break;
    case Option::includeShort:
        run.includeShort = true;
        break;
    case Option::dates:
        run.dates = CommandLine::parseDates(value, now);
        if (!run.dates)
            return QCoreApplication::translate("CommandLine",
                                               "--dates takes any, today, last7days or two dates "
                                               "like 2024-05-01..2024-05-03, not %1.")
                .arg(quoted(value));
        break;
    case Option::card:
        if (value.isEmpty())
            return QCoreApplication::translate("CommandLine", "--card needs a card.");
        invocation.historyCard = value;
        break;
    case Option::yes:
        invocation.yes = true;
        break;
    case Option::discardShortClips:
        invocation.discardShortClips = true;
        break;
    case Option::allowPasswordPrompt:
        invocation.allowsPasswordPrompt = true;
        break;
    case Option::record:
        invocation.record = true;
        break;
    case Option::preset:
        if (value.trimmed().isEmpty())
            return QCoreApplication::translate("CommandLine",
                                               "--preset needs the name of one of your presets.");
        invocation.preset = value.trimmed();
        break;
    case Option::eject:
        invocation.eject = true;
        break;
    case Option::mount:
        invocation.mountCards = true;
        break;
    case Option::hook:
        if (value.trimmed().isEmpty())
            return QCoreApplication::translate("CommandLine", "--hook needs a program.");
        invocation.hook = value.trimmed();
        break;
    case Option::match:
        invocation.match = value;
        break;
    case Option::ask:
        invocation.ask = true;
        break;
    case Option::run:
        if (value.trimmed().isEmpty())
            return QCoreApplication::translate("CommandLine",
                                               "--run needs the id of an offload, or last.");
        invocation.reportRun = value.trimmed();
        break;
    case Option::day:
        invocation.reportDay = value == u"today"       ? now.date()
                               : value == u"yesterday" ? now.date().addDays(-1)
                                                       : QDate::fromString(value, Qt::ISODate);
        if (!invocation.reportDay->isValid())
            return QCoreApplication::translate(
                       "CommandLine",
                       "--day takes today, yesterday or a date like 2024-05-01, not %1.")
                .arg(quoted(value));
        break;
    case Option::format:
        invocation.reportFormats = value;
        break;
    case Option::out:
        if (value.isEmpty())
            return QCoreApplication::translate("CommandLine", "--out needs a folder.");
        invocation.reportOut = value;
        break;
    case Option::station:
        if (value.trimmed().isEmpty())
            return QCoreApplication::translate("CommandLine", "--station needs a station’s name.");
        invocation.station = value.trimmed();
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<DateFilter> CommandLine::parseDates(const QString& text, const QDateTime& now) {
    return DateFilter::fromText(text, now);
}

std::variant<Invocation, QString> CommandLine::parse(const QStringList& arguments,
                                                     const QDateTime& now) {
    Invocation invocation;
    if (arguments.isEmpty())
        return QCoreApplication::translate("CommandLine", "Name a command.");
    const QString& name = arguments.first();
    if (name == u"-h" || name == u"--help" || name == u"help") {
        invocation.command = Command::help;
        return invocation;
    }
    if (name == u"--version") {
        invocation.command = Command::version;
        return invocation;
    }
    const CommandInfo* entry = nullptr;
    for (const CommandInfo& candidate : commandTable())
        if (name == QLatin1StringView(candidate.name))
            entry = &candidate;
    if (!entry)
        return QCoreApplication::translate("CommandLine", "There’s no command %1.")
            .arg(quoted(name));
    invocation.command = entry->command;

    QStringList plain;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QStringLiteral("-")) || argument == u"-") {
            plain.append(argument);
            continue;
        }
        if (argument == u"--") {
            optionsEnded = true;
            continue;
        }
        if (argument == u"-h" || argument == u"--help") {
            invocation = Invocation{};
            invocation.command = Command::help;
            return invocation;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString optionName = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const OptionInfo* option =
            argument.startsWith(QStringLiteral("--")) ? findOption(optionName) : nullptr;
        if (!option || !entry->options.contains(option->option))
            return QCoreApplication::translate("CommandLine", "%1 has no option %2.")
                .arg(QLatin1StringView(entry->name),
                     quoted(equals < 0 ? argument : argument.left(equals)));
        QString value;
        if (option->takesValue) {
            if (equals >= 0)
                value = argument.mid(equals + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            else
                return QCoreApplication::translate("CommandLine", "--%1 needs a value.")
                    .arg(optionName);
        } else if (equals >= 0) {
            return QCoreApplication::translate("CommandLine", "--%1 takes no value.")
                .arg(optionName);
        }
        if (const std::optional<QString> problem = apply(invocation, option->option, value, now))
            return *problem;
    }

    if (plain.size() < entry->minArguments && entry->command == Command::mount)
        return QCoreApplication::translate(
            "CommandLine", "mount needs a card that isn’t mounted: its device or its name.");
    if (plain.size() < entry->minArguments && entry->command == Command::verify)
        return QCoreApplication::translate("CommandLine",
                                           "verify needs a folder with an ASC MHL history.");
    if (plain.size() < entry->minArguments)
        return QCoreApplication::translate(
                   "CommandLine", "%1 needs a card: the mount point of a card, or a folder.")
            .arg(QLatin1StringView(entry->name));
    if (plain.size() > entry->maxArguments)
        return QCoreApplication::translate("CommandLine", "%1 doesn’t take %2.")
            .arg(QLatin1StringView(entry->name), quoted(plain.at(entry->maxArguments)));
    if (QList{Command::settings, Command::presets, Command::rules, Command::historyServer}.contains(
            entry->command))
        invocation.arguments = plain;
    else if (!plain.isEmpty())
        invocation.card = plain.first();
    invocation.cards = plain;
    if (entry->command == Command::report &&
        int(bool(invocation.reportRun)) + int(bool(invocation.historyCard)) +
                int(bool(invocation.reportDay)) + int(bool(invocation.run.project)) >
            1)
        return QCoreApplication::translate(
            "CommandLine", "report covers one of --run, --card, --day or --project, not several.");
    if (entry->command == Command::history && invocation.historyCard && invocation.station)
        return QCoreApplication::translate("CommandLine",
                                           "history lists one of --card or --station, not both.");
    if (entry->command == Command::historyServer &&
        !QStringList{QStringLiteral("status"), QStringLiteral("import"), QStringLiteral("export")}
             .contains(plain.first()))
        return QCoreApplication::translate("CommandLine",
                                           "history-server takes status, import or export, not %1.")
            .arg(quoted(plain.first()));
    if (entry->command == Command::historyServer && plain.first() == u"export" &&
        invocation.reportOut.isEmpty())
        return QCoreApplication::translate(
            "CommandLine", "history-server export needs --out FILE, a history file to write.");
    if (entry->command == Command::format && !invocation.yes)
        return QCoreApplication::translate(
            "CommandLine", "format erases everything on the card; add --yes to confirm.");
    return invocation;
}

QString CommandLine::usage() {
    return usageOfCommands() + u'\n' +
           QCoreApplication::translate(
               "CommandLine",
               "A history that several stations share (setting historyServer):\n"
               "  stowly-cli history  --station NAME [--json]\n"
               "  stowly-cli history-server status|import [--json]\n"
               "  stowly-cli history-server export --out FILE [--station NAME]\n"
               "history names the station of each copy; --station lists one station’s copies.\n"
               "history-server status tells whether the server answers and what each station\n"
               "has there; import sends this station’s whole history to the server (copies it\n"
               "holds already are not stored twice); export writes a station’s copies (this\n"
               "one’s when not named) into FILE in the form of ledger.json.\n");
}

QString CommandLine::usageOfCommands() {
    return QCoreApplication::translate(
        "CommandLine",
        "Usage:\n"
        "  stowly-cli cards    [--json]\n"
        "  stowly-cli scan     CARD [RUN OPTIONS] [--json]\n"
        "  stowly-cli plan     CARD [RUN OPTIONS] [--json]\n"
        "  stowly-cli offload  CARD [CARD…] [RUN OPTIONS] [--json]\n"
        "  stowly-cli history  [--card CARD] [--json]\n"
        "  stowly-cli forget   CARD\n"
        "  stowly-cli format   CARD --yes [--discard-short-clips] [--allow-password-prompt]\n"
        "  stowly-cli eject    CARD [--allow-password-prompt]\n"
        "  stowly-cli mount    DEVICE|NAME [--allow-password-prompt]\n"
        "  stowly-cli settings [KEY [VALUE]]\n"
        "  stowly-cli presets  [show|save|update|delete NAME] [--json]\n"
        "  stowly-cli rules    [add --match WHAT [RULE OPTIONS] | remove N] [--json]\n"
        "  stowly-cli station  [--preset NAME] [--eject] [--mount] [--hook PROGRAM] [--json]\n"
        "  stowly-cli verify   DIR [--json] [--record]\n"
        "  stowly-cli report   [--run ID|last | --card CARD | --day DATE | --project NAME]\n"
        "                      [--format pdf,html,csv,json] [--out DIR]\n"
        "\n"
        "CARD is the mount point of a card that “cards” lists, or any folder.\n"
        "offload takes several cards at once: those whose copies land on one drive take turns,\n"
        "the others copy side by side; each gets its summary, the status is the worst.\n"
        "mount takes a card that “cards” lists as not mounted, by its device or its name.\n"
        "--allow-password-prompt lets the system ask for your password on the terminal where\n"
        "erasing, ejecting or mounting needs it; without it Stowly never waits for one.\n"
        "presets lists your presets; save stores the current settings under NAME, update\n"
        "gives the preset NAME the current settings.\n"
        "rules lists the rules that offload inserted cards on their own, in the order they are\n"
        "tried; WHAT is any, name:PATTERN (like name:A*_CARD), identity:ID or camera:NAME.\n"
        "RULE OPTIONS are --preset NAME, --project NAME, --ask (show the card, don't start)\n"
        "and --eject (eject the card once verified); remove takes the rule's number.\n"
        "station offloads every card inserted (and those already in) by the rules, or every\n"
        "card with --preset (and --project), telling one line per event until it is stopped\n"
        "(Ctrl-C or SIGTERM). --mount mounts cards nothing mounted (read-only), --eject\n"
        "ejects each verified card, --hook runs PROGRAM after each card with its JSON on\n"
        "standard input; --allow-password-prompt as above.\n"
        "verify reads every file DIR’s ASC MHL history records and reports those missing or\n"
        "changed and those it doesn’t record; --record adds the result to the history.\n"
        "report writes the report of one offload (the last one without a choice), of a card's\n"
        "whole history, of a day (today, yesterday or 2024-05-01) or of a project's offloads,\n"
        "in the forms --format names (pdf,csv when not given), into DIR (the current folder\n"
        "when not given); a report's JSON form names each offload's id.\n"
        "\n"
        "Run options (this run only; the settings stay as they are):\n"
        "  --to DIR             copy into DIR\n"
        "  --also DIR           copy into DIR as well, under the same names (repeatable;\n"
        "                       replaces the backup destinations of the settings)\n"
        "  --cascade DIR        as --also, but copied from each file's proved copy at the\n"
        "                       destination, so the card is free sooner\n"
        "  --verify-source      read each file from the card again after its copies are\n"
        "                       verified\n"
        "  --mhl                add a generation to the ASC MHL history of every destination\n"
        "  --project NAME       the project name for the naming templates\n"
        "  --camera NAME        one of your cameras, by name or code\n"
        "  --quick-dump         no project: everything into dated folders\n"
        "  --reoffload off|missing|everything\n"
        "                       copy files offloaded before again\n"
        "  --include-short      copy short clips too\n"
        "  --dates any|today|last7days|FROM..TO\n"
        "                       only files from these days (FROM and TO like 2024-05-01)\n"
        "\n"
        "Exit status: 0 done, 1 a file failed or didn’t match its history, Stowly’s history\n"
        "couldn’t be saved, or a format or eject was refused or failed, 2 usage error, 3 the\n"
        "offload can’t start (the reason is on standard error), 130 interrupted.\n");
}

} // namespace stowly
