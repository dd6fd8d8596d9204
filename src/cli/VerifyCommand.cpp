#include "cli/VerifyCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/JsonOutput.h"
#include "cli/TerminalText.h"
#include "mhl/HistoryCheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace stowly {
namespace {

using Finding = HistoryCheck::Finding;
using Kind = Finding::Kind;

QString status(Kind kind) {
    switch (kind) {
    case Kind::verified:
        return QStringLiteral("verified");
    case Kind::missing:
        return QStringLiteral("missing");
    case Kind::changedSize:
    case Kind::changedHash:
        return QStringLiteral("changed");
    case Kind::unreadable:
        return QStringLiteral("unreadable");
    case Kind::unrecorded:
        return QStringLiteral("notRecorded");
    }
    return {};
}

// One line for a file that is not as recorded; nothing for one that is.
QString line(const Finding& finding) {
    const QString path = TerminalText::name(finding.path);
    switch (finding.kind) {
    case Kind::verified:
        return {};
    case Kind::missing:
        return QCoreApplication::translate("VerifyCommand", "Missing: %1").arg(path);
    case Kind::changedSize:
        return QCoreApplication::translate("VerifyCommand",
                                           "Changed: %1 is %2 bytes; the history says %3.")
            .arg(path)
            .arg(finding.size)
            .arg(finding.recorded.size.value_or(0));
    case Kind::changedHash:
        return QCoreApplication::translate("VerifyCommand",
                                           "Changed: %1 doesn’t match its %2 in the history.")
            .arg(path, finding.detail);
    case Kind::unreadable:
        return QCoreApplication::translate("VerifyCommand", "Unreadable: %1: %2")
            .arg(path, TerminalText::name(finding.detail));
    case Kind::unrecorded:
        return QCoreApplication::translate("VerifyCommand", "Not in the history: %1").arg(path);
    }
    return {};
}

QJsonObject json(const QString& folder, const QList<Finding>& findings, const QString& recordedAs) {
    QJsonArray files;
    QMap<QString, int> counts;
    for (const Finding& finding : findings) {
        QJsonObject file{{QStringLiteral("path"), finding.path},
                         {QStringLiteral("status"), status(finding.kind)}};
        if (finding.kind == Kind::changedSize) {
            file[QStringLiteral("size")] = finding.size;
            file[QStringLiteral("recordedSize")] = finding.recorded.size.value_or(0);
        }
        if (finding.kind == Kind::changedHash)
            file[QStringLiteral("formats")] = finding.detail;
        if (finding.kind == Kind::unreadable)
            file[QStringLiteral("reason")] = finding.detail;
        files.append(file);
        ++counts[status(finding.kind)];
    }
    QJsonObject result{{QStringLiteral("folder"), folder},
                       {QStringLiteral("files"), files},
                       {QStringLiteral("allMatch"), HistoryCheck::allMatch(findings)}};
    for (const QString& name :
         {QStringLiteral("verified"), QStringLiteral("missing"), QStringLiteral("changed"),
          QStringLiteral("unreadable"), QStringLiteral("notRecorded")})
        result[name] = counts.value(name);
    if (!recordedAs.isEmpty())
        result[QStringLiteral("recordedAs")] = recordedAs;
    return result;
}

QString summary(const QList<Finding>& findings) {
    QMap<Kind, qsizetype> counts;
    for (const Finding& finding : findings)
        ++counts[finding.kind];
    const qsizetype recorded = findings.size() - counts.value(Kind::unrecorded);
    const qsizetype verified = counts.value(Kind::verified);
    if (verified == findings.size())
        return QCoreApplication::translate("VerifyCommand", "All %n recorded files match.", nullptr,
                                           int(verified));
    return QCoreApplication::translate("VerifyCommand",
                                       "%1 of %2 recorded files match; %3 missing, %4 changed, "
                                       "%5 unreadable, %6 not in the history.")
        .arg(verified)
        .arg(recorded)
        .arg(counts.value(Kind::missing))
        .arg(counts.value(Kind::changedSize) + counts.value(Kind::changedHash))
        .arg(counts.value(Kind::unreadable))
        .arg(counts.value(Kind::unrecorded));
}

} // namespace

int VerifyCommand::run(const Invocation& invocation, Console& console) {
    const QDateTime startedAt = QDateTime::currentDateTimeUtc();
    const QString folder = QFileInfo(invocation.card).absoluteFilePath();
    if (!QFileInfo(folder).isDir()) {
        console.message(QCoreApplication::translate("VerifyCommand", "There’s no folder %1.")
                            .arg(TerminalText::name(invocation.card)));
        return exitCode::usage;
    }
    if (!MhlHistory::exists(folder)) {
        console.message(QCoreApplication::translate(
                            "VerifyCommand", "%1 has no ASC MHL history (no “ascmhl” folder).")
                            .arg(TerminalText::name(invocation.card)));
        return exitCode::usage;
    }
    auto loaded = MhlHistory::load(folder);
    if (const QString* problem = std::get_if<QString>(&loaded)) {
        console.message(TerminalText::name(*problem));
        return exitCode::failed;
    }
    MhlHistory& history = std::get<MhlHistory>(loaded);
    if (history.generations().isEmpty()) {
        console.message(
            QCoreApplication::translate("VerifyCommand", "The ASC MHL history of %1 is empty.")
                .arg(TerminalText::name(invocation.card)));
        return exitCode::usage;
    }

    const QList<Finding> findings = HistoryCheck::run(history, [&](const Finding& finding) {
        if (const QString text = line(finding); !text.isEmpty() && !invocation.json) {
            console.out() << text << '\n';
            console.out().flush();
        }
    });

    QString recordedAs;
    if (invocation.record) {
        if (auto failure = HistoryCheck::record(findings, history, startedAt)) {
            console.message(QCoreApplication::translate(
                                "VerifyCommand", "Couldn’t add the result to the history: %1")
                                .arg(*failure));
            return exitCode::failed;
        }
        recordedAs = history.generations().last().fileName;
    }

    if (invocation.json) {
        console.writeOut(JsonOutput::text(json(folder, findings, recordedAs)));
    } else {
        console.out() << summary(findings) << '\n';
        if (!recordedAs.isEmpty())
            console.out() << QCoreApplication::translate("VerifyCommand", "Recorded as %1.")
                                 .arg(TerminalText::name(recordedAs))
                          << '\n';
    }
    return HistoryCheck::allMatch(findings) ? exitCode::done : exitCode::failed;
}

} // namespace stowly
