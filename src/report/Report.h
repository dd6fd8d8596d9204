#pragma once

#include "copy/ReadBack.h"
#include "history/RunRecord.h"
#include "media/MediaFacts.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

// What a report covers: one run, a card's whole history, a day, or a project's runs.
struct ReportScope {
    enum class Kind { run, card, day, project };
    Kind kind = Kind::run;
    // The run's id, the card's name or identity, or the project's name.
    QString value;
    QDate day;
};

// One verified copy of a file.
struct ReportCopy {
    QString destination;
    QString path;
    QDateTime provedAt;
    // None where only the history, or a run recorded before this was kept, knows the copy.
    std::optional<ReadBack> readBack;
};

// One file of a report, with every copy of it the report covers.
struct ReportRow {
    QString sourceKey;
    QString cardName;
    QString source;
    qint64 size = 0;
    QString sha256;
    // Empty where the copy was made before these were kept.
    QString xxh128;
    QMap<QString, QString> hashes;
    QList<ReportCopy> copies;
    MediaFacts facts;
};

struct DestinationTotal {
    QString root;
    int files = 0;
    qint64 bytes = 0;
    // How its copies were read back, the weakest of them: `unassured` when any was, none when
    // any is not known.
    std::optional<ReadBack> readBack;
};

// A report's content, ready for any of its forms.
struct Report {
    ReportScope scope;
    QString title;
    // The runs it covers, oldest first; empty where only the history knows the copies.
    QList<RunRecord> runs;
    QDateTime startedAt;
    QDateTime endedAt;
    // Every destination root the rows' copies went to, in the order first met.
    QStringList destinations;
    // The formats besides SHA-256 any covered run took ("xxh128", "md5", …).
    QStringList hashFormats;
    QList<ReportRow> rows;
    QList<DestinationTotal> totals;
    QStringList failures;

    qint64 bytes() const;
    // The rate of the covered runs' copying; none where no run with a duration is covered.
    std::optional<double> megabytesPerSecond() const;
};

} // namespace stowly
