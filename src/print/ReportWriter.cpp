#include "print/ReportWriter.h"

#include "copy/AtomicFile.h"
#include "print/ReportDocument.h"
#include "print/ReportPdf.h"
#include "print/ReportThumbnails.h"
#include "report/ReportTables.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

namespace stowly {

namespace {

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ReportWriter)
};

// A name any file system of a drive takes: no separators, control or reserved characters.
QString safeName(QString name) {
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'-';
    while (name.startsWith(u'.') || name.startsWith(u' '))
        name.remove(0, 1);
    return name.left(180).trimmed();
}

} // namespace

std::optional<QList<ReportFormat>> ReportWriter::parseFormats(const QString& text, QString* error) {
    QList<ReportFormat> formats;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QString name = part.trimmed().toLower();
        std::optional<ReportFormat> format;
        for (const ReportFormat f :
             {ReportFormat::pdf, ReportFormat::html, ReportFormat::csv, ReportFormat::json})
            if (name == extension(f))
                format = f;
        if (!format) {
            if (error)
                *error = Words::tr("“%1” isn’t a report format. Use pdf, html, csv or json.")
                             .arg(part.trimmed());
            return std::nullopt;
        }
        if (!formats.contains(*format))
            formats << *format;
    }
    if (formats.isEmpty()) {
        if (error)
            *error = Words::tr("Name at least one report format: pdf, html, csv or json.");
        return std::nullopt;
    }
    return formats;
}

QString ReportWriter::extension(ReportFormat format) {
    switch (format) {
    case ReportFormat::pdf:
        return QStringLiteral("pdf");
    case ReportFormat::html:
        return QStringLiteral("html");
    case ReportFormat::csv:
        return QStringLiteral("csv");
    case ReportFormat::json:
        return QStringLiteral("json");
    }
    return {};
}

QString ReportWriter::baseName(const Report& report) {
    const QString stamp =
        report.startedAt.isValid()
            ? report.startedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"))
            : QString();
    switch (report.scope.kind) {
    case ReportScope::Kind::run:
        return safeName(Words::tr("Offload %1 %2").arg(report.runs.first().card.name, stamp));
    case ReportScope::Kind::card:
        return safeName(Words::tr("Offload History %1").arg(report.scope.value));
    case ReportScope::Kind::day:
        return safeName(Words::tr("Offloads %1").arg(report.scope.day.toString(Qt::ISODate)));
    case ReportScope::Kind::project:
        return safeName(Words::tr("Project %1").arg(report.scope.value));
    }
    return {};
}

std::optional<QString> ReportWriter::writeFile(const Report& report,
                                               const QHash<qsizetype, QImage>& thumbnails,
                                               ReportFormat format, const QString& path) {
    QByteArray bytes;
    switch (format) {
    case ReportFormat::csv:
        bytes = ReportTables::csv(report);
        break;
    case ReportFormat::json:
        bytes = ReportTables::json(report);
        break;
    case ReportFormat::html:
        bytes =
            ReportDocument::html(report, thumbnails, ReportDocument::Pictures::inlined).toUtf8();
        break;
    case ReportFormat::pdf: {
        // Made in a private folder first, so the report's folder never holds half a PDF.
        QTemporaryDir scratch;
        if (!scratch.isValid())
            return Words::tr("No room for a temporary file.");
        const QString draft = scratch.filePath(QStringLiteral("report.pdf"));
        if (auto failed = ReportPdf::write(report, thumbnails, draft))
            return failed;
        QFile file(draft);
        if (!file.open(QIODevice::ReadOnly))
            return file.errorString();
        bytes = file.readAll();
        break;
    }
    }
    return AtomicFile::write(path, bytes);
}

ReportWriter::Written ReportWriter::write(const Report& report, const QList<ReportFormat>& formats,
                                          const QString& folder) {
    Written written;
    if (auto failed = AtomicFile::makeFolder(folder)) {
        written.failures << Words::tr("Couldn’t make the folder %1: %2").arg(folder, *failed);
        return written;
    }
    const bool pictured =
        formats.contains(ReportFormat::pdf) || formats.contains(ReportFormat::html);
    const QHash<qsizetype, QImage> thumbnails =
        pictured ? ReportThumbnails::draw(report) : QHash<qsizetype, QImage>{};
    const QString base = QDir(folder).filePath(baseName(report));
    for (const ReportFormat format : formats) {
        const QString path = base + u'.' + extension(format);
        if (auto failed = writeFile(report, thumbnails, format, path))
            written.failures << Words::tr("Couldn’t write the report %1: %2").arg(path, *failed);
        else
            written.files << path;
    }
    return written;
}

QStringList ReportWriter::printer(const Report& report, const QString& folder) {
    return write(report, {ReportFormat::pdf, ReportFormat::csv}, folder).failures;
}

} // namespace stowly
