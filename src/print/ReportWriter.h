#pragma once

#include "report/Report.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

enum class ReportFormat { pdf, html, csv, json };

// Writes a report in the forms asked for into one folder, each file whole or not at all.
namespace ReportWriter {
// "pdf,html,csv,json" in any order and case; none when a name is not one of them (`error` says
// which).
std::optional<QList<ReportFormat>> parseFormats(const QString& text, QString* error);
QString extension(ReportFormat format);
// The files' name without extension: what the report covers and when.
QString baseName(const Report& report);

// One form into one file, whole or not at all; the failure in words, or nothing. The pictures
// are used by the PDF and the HTML only.
std::optional<QString> writeFile(const Report& report, const QHash<qsizetype, QImage>& thumbnails,
                                 ReportFormat format, const QString& path);

struct Written {
    QStringList files;
    // One line per form that could not be written, in the system's words.
    QStringList failures;
};
Written write(const Report& report, const QList<ReportFormat>& formats, const QString& folder);
// What an offload leaves beside its copies when the settings ask: the PDF and the CSV. The
// failures, one line each.
QStringList printer(const Report& report, const QString& folder);
} // namespace ReportWriter

} // namespace stowly
