#pragma once

#include "media/DateFilter.h"
#include "media/ReoffloadMode.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace stowly {

// Choices that override the settings for one run only.
struct RunOptions {
    std::optional<QString> destination;
    // Backup destinations for this run, in place of the settings' ones.
    QStringList backups;
    // Of those, the ones copied from each file's proved main copy.
    QStringList cascades;
    bool verifySource = false;
    bool mhl = false;
    std::optional<QString> project;
    std::optional<QString> camera;
    bool quickDump = false;
    std::optional<ReoffloadMode> reoffload;
    bool includeShort = false;
    std::optional<DateFilter> dates;

    friend bool operator==(const RunOptions&, const RunOptions&) = default;
};

// One call of the program, as its arguments ask.
struct Invocation {
    enum class Command {
        cards,
        scan,
        plan,
        offload,
        history,
        forget,
        format,
        eject,
        mount,
        settings,
        presets,
        rules,
        station,
        verify,
        report,
        historyServer,
        help,
        version
    };

    Command command = Command::help;
    // The card's mount point or folder, for the commands that take one.
    QString card;
    // Every card an offload names, the first being `card`.
    QStringList cards;
    bool json = false;
    RunOptions run;
    std::optional<QString> historyCard;
    bool yes = false;
    bool discardShortClips = false;
    // The system may ask for a password on the terminal (erase, eject, mount).
    bool allowsPasswordPrompt = false;
    // verify appends a generation to the folder's ASC MHL history.
    bool record = false;
    // The words after the settings, presets and rules commands (KEY VALUE, "add", a name…).
    QStringList arguments;
    // The station's and a rule's preset, by name.
    std::optional<QString> preset;
    // The station ejects every verified card; a rule ejects the cards it offloads.
    bool eject = false;
    // The station mounts cards nothing mounted.
    bool mountCards = false;
    // The program the station runs after each card.
    std::optional<QString> hook;
    // The report's run (an id, or "last"), day ("today" or a date), forms and folder.
    std::optional<QString> reportRun;
    std::optional<QDate> reportDay;
    QString reportFormats = QStringLiteral("pdf,csv");
    QString reportOut;
    // A rule's match: "any", "name:PATTERN", "identity:ID" or "camera:NAME".
    std::optional<QString> match;
    // A rule that asks before offloading.
    bool ask = false;
    // The station whose copies the shared history lists or exports.
    std::optional<QString> station;
};

// The command-line grammar: commands, their options and the usage text.
namespace CommandLine {
// The invocation, or what is wrong with the arguments as a sentence. `now` fixes the
// dates of the date filters "today" and "last7days".
std::variant<Invocation, QString> parse(const QStringList& arguments, const QDateTime& now);
// "any", "today", "last7days" (any case) or "FROM..TO" with ISO dates, both days included.
std::optional<DateFilter> parseDates(const QString& text, const QDateTime& now);

QString usage();
// The commands alone, without the shared history's.
QString usageOfCommands();
} // namespace CommandLine

} // namespace stowly
