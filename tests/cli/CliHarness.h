#pragma once

#include "support/MediaCard.h"
#include "support/ScratchMount.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include <memory>

namespace stowly::test {

// What one run of the program left behind.
struct CliResult {
    int status = -1;
    QByteArray out;
    QByteArray err;

    QJsonObject object() const { return QJsonDocument::fromJson(out).object(); }
    QJsonArray array() const { return QJsonDocument::fromJson(out).array(); }
    QString errText() const { return QString::fromUtf8(err); }
    QString outText() const { return QString::fromUtf8(out); }
};

// Runs the real stowly-cli with a home and XDG folders of its own, so every run of one test
// shares settings, stores and ledger the way runs on one computer do.
class Cli {
public:
    CliResult run(const QStringList& arguments) const;
    // Started and left running; the caller waits for it.
    std::unique_ptr<QProcess> start(const QStringList& arguments) const;

    QString historyPath() const { return home(".local/share/Stowly/ledger.json"); }

    TempDir home;
    // The system bus the program talks to, when not the machine's own.
    QString systemBus;
    // More variables for the program's environment.
    QHash<QString, QString> environment;
};

// The variables that make stowly-cli's walk over a card fail through libfiu and the fault
// campaign's module (tests/soak/tools/FaultModule.cpp), for the calls named in `points`
// ("readdir,statx") below `folder`; empty where libfiu is not installed.
QHash<QString, QString> cardWalkFaults(const QString& folder, const QString& points);

// The clips' paths in a listing of the program's.
QStringList paths(const QJsonArray& clips);

} // namespace stowly::test
