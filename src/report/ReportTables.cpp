#include "report/ReportTables.h"

#include "history/RunRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace stowly {

namespace {

QString time(const QDateTime& at) {
    return at.isValid() ? at.toUTC().toString(Qt::ISODate) : QString();
}

QString number(double value) {
    return value > 0 ? QString::number(value, 'g', 10) : QString();
}

QByteArray field(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n') &&
        !bytes.contains('\r'))
        return bytes;
    bytes.replace('"', "\"\"");
    return '"' + bytes + '"';
}

void line(QByteArray& out, const QStringList& fields) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += field(fields[i]);
    }
    out += "\r\n";
}

// Copies of one file at one destination; a file offloaded twice to one place has two.
QList<const ReportCopy*> copiesAt(const ReportRow& row, const QString& destination) {
    QList<const ReportCopy*> copies;
    for (const ReportCopy& copy : row.copies)
        if (copy.destination == destination)
            copies << &copy;
    return copies;
}

QStringList factFields(const MediaFacts& f) {
    return {f.codec,
            f.width > 0 ? QStringLiteral("%1x%2").arg(f.width).arg(f.height) : QString(),
            number(f.frameRate),
            f.duration ? QString::number(*f.duration, 'f', 3) : QString(),
            f.startTimecode,
            f.audioChannels > 0 ? QString::number(f.audioChannels) : QString(),
            (f.cameraMake + u' ' + f.cameraModel).trimmed(),
            f.lens,
            f.iso > 0 ? QString::number(f.iso) : QString(),
            number(f.exposureTime),
            number(f.aperture),
            number(f.focalLength),
            f.captureTime.isValid() ? f.captureTime.toString(Qt::ISODate) : QString(),
            f.damage.value_or(QString())};
}

QJsonObject runJson(const RunRecord& run) {
    QJsonArray destinations;
    for (const RunRecord::Destination& d : run.destinations)
        destinations.append(QJsonObject{{QStringLiteral("root"), d.root},
                                        {QStringLiteral("role"), runRole::name(d.role)},
                                        {QStringLiteral("readBack"), true},
                                        {QStringLiteral("sourceReadTwice"), d.sourceReadTwice},
                                        {QStringLiteral("ascMhl"), d.ascMhl}});
    return {
        {QStringLiteral("id"), run.id},
        {QStringLiteral("card"), QJsonObject{{QStringLiteral("name"), run.card.name},
                                             {QStringLiteral("identity"), run.card.identity},
                                             {QStringLiteral("capacity"), run.card.capacity},
                                             {QStringLiteral("fileSystem"), run.card.fileSystem}}},
        {QStringLiteral("camera"), run.camera},
        {QStringLiteral("project"), run.project},
        {QStringLiteral("operator"), run.operatorName},
        {QStringLiteral("computer"), run.computer},
        {QStringLiteral("version"), run.version},
        {QStringLiteral("startedAt"), time(run.startedAt)},
        {QStringLiteral("endedAt"), time(run.endedAt)},
        {QStringLiteral("cancelled"), run.cancelled},
        {QStringLiteral("files"), run.filesCopied()},
        {QStringLiteral("bytes"), run.bytesCopied()},
        {QStringLiteral("destinations"), destinations},
        {QStringLiteral("hashFormats"), QJsonArray::fromStringList(run.hashFormats)},
        {QStringLiteral("failures"), QJsonArray::fromStringList(run.failures)}};
}

} // namespace

QByteArray ReportTables::csv(const Report& report) {
    QStringList header{QStringLiteral("Card"), QStringLiteral("Source"), QStringLiteral("Size"),
                       QStringLiteral("SHA-256"), QStringLiteral("xxh128")};
    QStringList others;
    for (const QString& format : report.hashFormats)
        if (format != u"xxh128")
            others << format;
    header += others;
    for (const QString& destination : report.destinations)
        header << QStringLiteral("Copy at %1").arg(destination)
               << QStringLiteral("Proved at %1").arg(destination);
    header << QStringLiteral("Codec") << QStringLiteral("Resolution")
           << QStringLiteral("Frame rate") << QStringLiteral("Duration (s)")
           << QStringLiteral("Start timecode") << QStringLiteral("Audio channels")
           << QStringLiteral("Camera") << QStringLiteral("Lens") << QStringLiteral("ISO")
           << QStringLiteral("Exposure (s)") << QStringLiteral("Aperture (f)")
           << QStringLiteral("Focal length (mm)") << QStringLiteral("Captured")
           << QStringLiteral("May be damaged");
    // Last, so the columns before stay where earlier reports had them.
    for (const QString& destination : report.destinations)
        header << QStringLiteral("Read back at %1").arg(destination);

    QByteArray out = "\xEF\xBB\xBF"; // spreadsheets take the file as UTF-8 only with this mark
    line(out, header);
    for (const ReportRow& row : report.rows) {
        QStringList fields{row.cardName, row.source, QString::number(row.size), row.sha256,
                           row.xxh128};
        for (const QString& format : others)
            fields << row.hashes.value(format);
        for (const QString& destination : report.destinations) {
            QStringList paths;
            QStringList times;
            for (const ReportCopy* copy : copiesAt(row, destination)) {
                paths << copy->path;
                times << time(copy->provedAt);
            }
            fields << paths.join(QStringLiteral("; ")) << times.join(QStringLiteral("; "));
        }
        fields += factFields(row.facts);
        for (const QString& destination : report.destinations) {
            QStringList readBacks;
            for (const ReportCopy* copy : copiesAt(row, destination))
                readBacks << (copy->readBack ? readBack::name(*copy->readBack) : QString());
            fields << readBacks.join(QStringLiteral("; "));
        }
        line(out, fields);
    }
    return out;
}

QByteArray ReportTables::json(const Report& report) {
    QJsonArray runs;
    for (const RunRecord& run : report.runs)
        runs.append(runJson(run));
    QJsonArray totals;
    for (const DestinationTotal& total : report.totals) {
        QJsonObject object{{QStringLiteral("destination"), total.root},
                           {QStringLiteral("files"), total.files},
                           {QStringLiteral("bytes"), total.bytes}};
        if (total.readBack)
            object.insert(QStringLiteral("readBack"), readBack::name(*total.readBack));
        totals.append(object);
    }
    QJsonArray files;
    for (const ReportRow& row : report.rows) {
        QJsonArray copies;
        for (const ReportCopy& copy : row.copies) {
            QJsonObject object{{QStringLiteral("destination"), copy.destination},
                               {QStringLiteral("path"), copy.path},
                               {QStringLiteral("provedAt"), time(copy.provedAt)}};
            if (copy.readBack)
                object.insert(QStringLiteral("readBack"), readBack::name(*copy.readBack));
            copies.append(object);
        }
        QJsonObject file{{QStringLiteral("card"), row.cardName},
                         {QStringLiteral("source"), row.source},
                         {QStringLiteral("size"), row.size},
                         {QStringLiteral("sha256"), row.sha256},
                         {QStringLiteral("copies"), copies}};
        if (!row.xxh128.isEmpty())
            file.insert(QStringLiteral("xxh128"), row.xxh128);
        QJsonObject hashes;
        for (auto it = row.hashes.cbegin(); it != row.hashes.cend(); ++it)
            hashes.insert(it.key(), it.value());
        if (!hashes.isEmpty())
            file.insert(QStringLiteral("hashes"), hashes);
        if (!row.facts.isEmpty())
            file.insert(QStringLiteral("facts"), row.facts.toJson());
        files.append(file);
    }
    QJsonObject object{
        {QStringLiteral("title"), report.title},
        {QStringLiteral("startedAt"), time(report.startedAt)},
        {QStringLiteral("endedAt"), time(report.endedAt)},
        {QStringLiteral("fileCount"), report.rows.size()},
        {QStringLiteral("bytes"), report.bytes()},
        {QStringLiteral("hashFormats"),
         QJsonArray::fromStringList(QStringList{QStringLiteral("sha256")} + report.hashFormats)},
        {QStringLiteral("runs"), runs},
        {QStringLiteral("destinations"), totals},
        {QStringLiteral("failures"), QJsonArray::fromStringList(report.failures)},
        {QStringLiteral("files"), files}};
    if (const auto rate = report.megabytesPerSecond())
        object.insert(QStringLiteral("megabytesPerSecond"), *rate);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace stowly
