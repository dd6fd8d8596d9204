#include "cli/HistoryServerCommand.h"

#include "app/model/CardHistory.h"
#include "app/model/SharedHistory.h"
#include "app/wording/StageTexts.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/JsonOutput.h"
#include "cli/ModelHost.h"
#include "cli/TerminalText.h"
#include "cli/TextOutput.h"
#include "copy/AtomicFile.h"
#include "history/History.h"
#include "history/HistoryFile.h"
#include "history/ServerHistory.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace stowly {
namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(HistoryServerCommand)
};

QJsonObject entryJson(const HistoryEntry& e) {
    return {{QStringLiteral("sourceKey"), e.sourceKey},
            {QStringLiteral("cardName"), e.cardName},
            {QStringLiteral("sourceRelativePath"), e.sourceRelativePath},
            {QStringLiteral("destinationPath"), e.destinationPath},
            {QStringLiteral("size"), e.size},
            {QStringLiteral("sha256"), e.sha256},
            {QStringLiteral("offloadedAt"), HistoryFile::internetDateTime(e.offloadedAt)},
            {QStringLiteral("station"), e.station}};
}

QString line(const HistoryEntry& e) {
    return TextOutput::historyLine(e) + QStringLiteral("  ") +
           Words::tr("at %1").arg(TerminalText::name(e.station));
}

// Prints the copies as they come: a shared history may hold millions.
class Printer {
public:
    Printer(Console& console, bool json) : m_console(console), m_json(json) {
        if (m_json)
            m_console.writeOut("[");
    }
    void operator()(const HistoryEntry& entry) {
        if (m_json) {
            if (m_count > 0)
                m_console.writeOut(",");
            m_console.writeOut(JsonOutput::text(entryJson(entry)).trimmed());
        } else {
            m_console.out() << line(entry) << '\n';
        }
        ++m_count;
    }
    void finish() {
        if (m_json)
            m_console.writeOut("]\n");
        else if (m_count == 0)
            m_console.out() << StageTexts::historyEmpty() << '\n';
    }

private:
    Console& m_console;
    bool m_json;
    qsizetype m_count = 0;
};

// This station's own history, named as the shared one names it.
int listLocal(const Invocation& invocation, Console& console, ModelHost& host,
              const QString& station) {
    History& history = host.model().history();
    HistoryRecords records = history.entries();
    if (invocation.historyCard) {
        const auto owner = CardHistory::named(*invocation.historyCard, host.model().volumes());
        if (const QString* problem = std::get_if<QString>(&owner)) {
            console.message(*problem);
            return exitCode::failed;
        }
        records = std::get<CardHistory>(owner).of(records);
    }
    Printer print(console, invocation.json);
    for (qsizetype i = 0; i < records.size(); ++i) {
        HistoryEntry entry = records.at(i);
        entry.station = station;
        print(entry);
    }
    print.finish();
    return exitCode::done;
}

std::optional<QString> serverMissing(ModelHost& host) {
    SharedHistory& shared = host.model().sharedHistory();
    if (shared.server())
        return std::nullopt;
    if (const std::optional<QString> problem = shared.problem())
        return problem;
    return Words::tr(
        "This station has no shared history: name its server in the setting "
        "historyServer (stowly-cli settings historyServer \"host=… dbname=… user=…\").");
}

int status(const Invocation& invocation, Console& console, ModelHost& host) {
    SharedHistory& shared = host.model().sharedHistory();
    ServerHistory& server = *shared.server();
    ServerHistory::Link link(server);
    QString error;
    const auto stations = link.stations(&error);
    if (invocation.json) {
        QJsonArray list;
        for (const auto& [name, copies] : stations.value_or(QList<std::pair<QString, qint64>>()))
            list.append(
                QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("copies"), copies}});
        QJsonObject json{{QStringLiteral("server"), server.address().described()},
                         {QStringLiteral("station"), shared.station()},
                         {QStringLiteral("reachable"), bool(stations)},
                         {QStringLiteral("stations"), list}};
        if (!stations)
            json.insert(QStringLiteral("problem"), error);
        console.writeOut(JsonOutput::text(json));
    } else if (stations) {
        console.out() << Words::tr("The history server %1 answers; this station is %2.")
                             .arg(server.address().described(),
                                  TerminalText::name(shared.station()))
                      << '\n';
        for (const auto& [name, copies] : *stations)
            console.out() << QStringLiteral("  ") << TerminalText::name(name)
                          << QStringLiteral("  ") << Words::tr("%n copies", nullptr, int(copies))
                          << '\n';
    }
    if (!stations) {
        if (!invocation.json)
            console.message(error);
        return exitCode::failed;
    }
    return exitCode::done;
}

int import(const Invocation& invocation, Console& console, ModelHost& host) {
    SharedHistory& shared = host.model().sharedHistory();
    // The copies on their way already go first, so the count below is what import added.
    if (const std::optional<QString> problem = host.sharedHistoryProblem()) {
        console.message(*problem);
        return exitCode::failed;
    }
    HistoryStore& local = host.model().history();
    HistoryStore& server = *shared.server();
    QString error;
    const std::optional<QList<HistoryEntry>> entries =
        local.stationRecords(shared.station(), &error);
    const std::optional<qsizetype> added = entries ? server.record(*entries, &error) : std::nullopt;
    if (!added) {
        console.message(error);
        return exitCode::failed;
    }
    if (invocation.json)
        console.writeOut(JsonOutput::text(QJsonObject{{QStringLiteral("station"), shared.station()},
                                                      {QStringLiteral("copies"), entries->size()},
                                                      {QStringLiteral("added"), *added}}));
    else
        console.out() << Words::tr(
                             "The history server holds this station’s %n copies; %1 of them were "
                             "new to it.",
                             nullptr, int(entries->size()))
                             .arg(*added)
                      << '\n';
    return exitCode::done;
}

int exportStation(const Invocation& invocation, Console& console, ModelHost& host) {
    SharedHistory& shared = host.model().sharedHistory();
    const QString station = invocation.station.value_or(shared.station());
    const QString path = QFileInfo(invocation.reportOut).absoluteFilePath();
    if (QFileInfo::exists(path)) {
        console.message(Words::tr("%1 is there already; Stowly doesn’t overwrite it.")
                            .arg(TerminalText::quotedName(path)));
        return exitCode::failed;
    }
    HistoryStore& server = *shared.server();
    QString error;
    const std::optional<QList<HistoryEntry>> entries = server.stationRecords(station, &error);
    if (!entries) {
        console.message(error);
        return exitCode::failed;
    }
    HistoryRecords records;
    for (const HistoryEntry& entry : *entries)
        records.append(entry);
    if (const std::optional<QString> failed =
            AtomicFile::write(path, [&](const AtomicFile::Sink& sink) {
                return HistoryFile::encode(records, sink);
            })) {
        console.message(*failed);
        return exitCode::failed;
    }
    if (invocation.json)
        console.writeOut(JsonOutput::text(QJsonObject{{QStringLiteral("station"), station},
                                                      {QStringLiteral("copies"), entries->size()},
                                                      {QStringLiteral("file"), path}}));
    else
        console.out() << Words::tr("Wrote %n copies of %1 into %2.", nullptr, int(entries->size()))
                             .arg(TerminalText::name(station), TerminalText::quotedName(path))
                      << '\n';
    return exitCode::done;
}

} // namespace

int HistoryServerCommand::list(const Invocation& invocation, Console& console, ModelHost& host) {
    SharedHistory& shared = host.model().sharedHistory();
    const QString own = shared.station();
    if (!shared.server()) {
        if (invocation.station && *invocation.station != own) {
            console.message(*serverMissing(host));
            return exitCode::failed;
        }
        return listLocal(invocation, console, host, own);
    }
    // The server is asked once this station's copies are there.
    if (const std::optional<QString> problem = host.sharedHistoryProblem()) {
        console.message(*problem);
        console.message(Words::tr("Listed are this station’s own copies."));
        if (invocation.station && *invocation.station != own)
            return exitCode::failed;
        return listLocal(invocation, console, host, own);
    }
    QString where = QStringLiteral("true");
    QList<QVariant> values;
    if (invocation.station) {
        where = QStringLiteral("station = ?");
        values = {*invocation.station};
    } else if (invocation.historyCard) {
        const auto owner = CardHistory::named(*invocation.historyCard, host.model().volumes());
        if (const QString* problem = std::get_if<QString>(&owner)) {
            console.message(*problem);
            return exitCode::failed;
        }
        const CardHistory& card = std::get<CardHistory>(owner);
        if (card.identity) {
            where = QStringLiteral("source_key >= ? AND source_key < ?");
            values = {*card.identity + u'|', *card.identity + u'}'};
        } else {
            where = QStringLiteral("card_name = ?");
            values = {card.cardName.value_or(QString())};
        }
    }
    ServerHistory::Link link(*shared.server());
    Printer print(console, invocation.json);
    QString error;
    if (!link.selectEach(where, values, std::ref(print), &error)) {
        console.message(error);
        return exitCode::failed;
    }
    print.finish();
    return exitCode::done;
}

int HistoryServerCommand::run(const Invocation& invocation, Console& console,
                              SignalWatcher& signals) {
    ModelHost host(signals);
    if (const std::optional<QString> missing = serverMissing(host)) {
        console.message(*missing);
        return exitCode::failed;
    }
    const QString& what = invocation.arguments.first();
    if (what == u"import")
        return import(invocation, console, host);
    if (what == u"export")
        return exportStation(invocation, console, host);
    return status(invocation, console, host);
}

} // namespace stowly
