#include "print/ReportDocument.h"

#include "app/wording/MediaFactsText.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>

namespace stowly {

namespace {

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ReportDocument)
};

QString esc(const QString& text) {
    return text.toHtmlEscaped();
}

QString when(const QDateTime& at) {
    return at.isValid()
               ? QLocale().toString(at.toLocalTime(), QStringLiteral("yyyy-MM-dd HH:mm:ss"))
               : QStringLiteral("—");
}

QString size(qint64 bytes) {
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

QString filesAndSize(qint64 files, qint64 bytes) {
    return files == 1 ? Words::tr("1 file, %1").arg(size(bytes))
                      : Words::tr("%n files, %1", nullptr, int(files)).arg(size(bytes));
}

QString orDash(const QString& text) {
    return text.isEmpty() ? QStringLiteral("—") : text;
}

// A table of rows under a header row that a page break repeats.
QString gridStart() {
    return QStringLiteral(
        "<table class=\"grid\" width=\"100%\" cellspacing=\"0\" cellpadding=\"4\"><thead><tr>");
}

QString rowOf(const QString& label, const QString& value) {
    return QStringLiteral("<tr><td class=\"key\" width=\"110\">%1</td><td>%2</td></tr>")
        .arg(esc(label), value);
}

// Where the read-back came from leads; a run recorded before that was kept only says that it
// was read back.
QString checks(const RunRecord::Destination* d, std::optional<ReadBack> readBack) {
    QStringList done{readBack ? readBack::description(*readBack)
                              : Words::tr("Read back after a flush")};
    if (!d)
        return done.first();
    if (d->sourceReadTwice)
        done << Words::tr("source read twice");
    if (d->ascMhl)
        done << Words::tr("ASC MHL");
    if (d->role == RunRecord::Destination::Role::cascade)
        done << Words::tr("copied from the first copy");
    return done.join(QStringLiteral(", "));
}

// Shown in a box of 80 points, however small the helper's drawing came out.
QSize shownSize(const QImage& image) {
    return image.size().scaled(80, 80, Qt::KeepAspectRatio);
}

QString picture(const QImage& image, qsizetype row, ReportDocument::Pictures pictures) {
    const QSize shown = shownSize(image);
    if (pictures == ReportDocument::Pictures::named)
        return QStringLiteral("<img src=\"thumb:%1\" width=\"%2\" height=\"%3\">")
            .arg(row)
            .arg(shown.width())
            .arg(shown.height());
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", 80);
    return QStringLiteral("<img alt=\"\" src=\"data:image/jpeg;base64,%1\" width=\"%2\" "
                          "height=\"%3\">")
        .arg(QString::fromLatin1(jpeg.toBase64()))
        .arg(shown.width())
        .arg(shown.height());
}

QString runHeader(const RunRecord& run) {
    QString card = esc(run.card.name);
    QStringList details;
    if (!run.card.identity.isEmpty() && run.card.identity != run.card.name)
        details << esc(run.card.identity);
    if (run.card.capacity > 0)
        details << esc(size(run.card.capacity));
    if (!run.card.fileSystem.isEmpty())
        details << esc(run.card.fileSystem);
    if (!details.isEmpty())
        card += QStringLiteral(" <span class=\"dim\">(%1)</span>").arg(details.join(u", "));
    const qint64 ms = run.startedAt.msecsTo(run.endedAt);
    QString rate = QStringLiteral("—");
    if (ms > 0 && run.bytesCopied() > 0)
        rate = Words::tr("%1 MB/s").arg(double(run.bytesCopied()) / 1e6 / (double(ms) / 1000.0), 0,
                                        'f', 1);
    QString html = QStringLiteral("<table class=\"facts\" cellspacing=\"0\" cellpadding=\"2\">");
    html += rowOf(Words::tr("Card"), card);
    html += rowOf(Words::tr("Camera"), esc(orDash(run.camera)));
    html += rowOf(Words::tr("Project"), esc(orDash(run.project)));
    html += rowOf(Words::tr("Operator"), esc(orDash(run.operatorName)));
    html += rowOf(Words::tr("Computer"), esc(orDash(run.computer)));
    html += rowOf(Words::tr("Stowly"), esc(orDash(run.version)));
    html += rowOf(Words::tr("Started"), esc(when(run.startedAt)));
    html +=
        rowOf(Words::tr("Ended"), esc(when(run.endedAt)) +
                                      (run.cancelled ? esc(Words::tr(" (cancelled)")) : QString()));
    html += rowOf(Words::tr("Copied"), esc(filesAndSize(run.filesCopied(), run.bytesCopied())));
    html += rowOf(Words::tr("Rate"), esc(rate));
    html +=
        rowOf(Words::tr("Run"), QStringLiteral("<span class=\"mono\">%1</span>").arg(esc(run.id)));
    return html + QStringLiteral("</table>");
}

QString runsTable(const Report& report) {
    QString html = gridStart();
    for (const QString& head :
         {Words::tr("Card"), Words::tr("Camera"), Words::tr("Project"), Words::tr("Operator"),
          Words::tr("Started"), Words::tr("Ended"), Words::tr("Files"), Words::tr("Size")})
        html += QStringLiteral("<th>%1</th>").arg(esc(head));
    html += QStringLiteral("</tr></thead>");
    for (const RunRecord& run : report.runs)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td>"
                               "<td>%6</td><td class=\"num\">%7</td><td class=\"num\">%8</td></tr>")
                    .arg(esc(run.card.name), esc(orDash(run.camera)), esc(orDash(run.project)),
                         esc(orDash(run.operatorName)), esc(when(run.startedAt)),
                         esc(when(run.endedAt)))
                    .arg(run.filesCopied())
                    .arg(esc(size(run.bytesCopied())));
    return html + QStringLiteral("</table>");
}

QString destinationsTable(const Report& report) {
    QHash<QString, RunRecord::Destination> known;
    for (const RunRecord& run : report.runs)
        for (const RunRecord::Destination& d : run.destinations)
            known.insert(d.root, d);
    QString html = gridStart();
    for (const QString& head : {Words::tr("Destination"), Words::tr("Verification"),
                                Words::tr("Files"), Words::tr("Size")})
        html += QStringLiteral("<th>%1</th>").arg(esc(head));
    html += QStringLiteral("</tr></thead>");
    for (const DestinationTotal& total : report.totals) {
        const auto d = known.constFind(total.root);
        html += QStringLiteral("<tr><td class=\"path\">%1</td><td>%2</td><td class=\"num\">%3</td>"
                               "<td class=\"num\">%4</td></tr>")
                    .arg(esc(total.root),
                         esc(checks(d != known.cend() ? &*d : nullptr, total.readBack)))
                    .arg(total.files)
                    .arg(esc(size(total.bytes)));
    }
    return html + QStringLiteral("</table>");
}

QString fileRow(const Report& report, qsizetype index, const QHash<qsizetype, QImage>& thumbnails,
                ReportDocument::Pictures pictures) {
    const ReportRow& row = report.rows[index];
    const auto thumbnail = thumbnails.constFind(index);
    QString html =
        QStringLiteral("<tr><td class=\"thumb\">%1</td>")
            .arg(thumbnail != thumbnails.cend() ? picture(*thumbnail, index, pictures) : QString());
    QString file = QStringLiteral("<b>%1</b><br><span class=\"dim\">%2</span>")
                       .arg(esc(row.source), esc(size(row.size)));
    if (report.runs.size() > 1 || report.scope.kind == ReportScope::Kind::day)
        file += QStringLiteral("<br><span class=\"dim\">%1</span>").arg(esc(row.cardName));
    const QString facts = MediaFactsText::line(row.facts);
    if (!facts.isEmpty())
        file += QStringLiteral("<br>%1").arg(esc(facts));
    if (row.facts.damage)
        file += QStringLiteral("<br><span class=\"warn\">%1</span>")
                    .arg(esc(Words::tr("May be damaged: %1").arg(*row.facts.damage)));
    // Each name over its value: a SHA-256 takes the column's whole width.
    QString digests =
        QStringLiteral("<span class=\"dim\">SHA-256</span><br>%1").arg(esc(row.sha256));
    if (!row.xxh128.isEmpty())
        digests += QStringLiteral("<br><span class=\"dim\">xxh128</span> %1").arg(esc(row.xxh128));
    for (auto it = row.hashes.cbegin(); it != row.hashes.cend(); ++it)
        digests += QStringLiteral("<br><span class=\"dim\">%1</span> %2")
                       .arg(esc(it.key()), esc(it.value()));
    QStringList copies;
    for (const ReportCopy& copy : row.copies)
        copies << QStringLiteral("%1<br><span class=\"dim\">%2</span>")
                      .arg(esc(copy.path), esc(Words::tr("proved %1").arg(when(copy.provedAt))));
    html += QStringLiteral("<td>%1</td><td class=\"mono\">%2</td><td class=\"path\">%3</td></tr>")
                .arg(file, digests, copies.join(QStringLiteral("<br>")));
    return html;
}

const char* style = R"(
body { font-family: 'DejaVu Sans', sans-serif; font-size: 9pt; color: #1d1d1f; }
h1 { font-size: 17pt; font-weight: 600; margin-bottom: 2pt; }
h2 { font-size: 11pt; font-weight: 600; margin-top: 14pt; margin-bottom: 4pt; }
p.sub { color: #6e6e73; margin-top: 0; }
td.key { color: #6e6e73; }
table.grid { border-collapse: collapse; }
table.grid th { text-align: left; font-weight: 600; background-color: #eef0f3;
                padding: 3pt 5pt; border-bottom: 1px solid #c7c7cc; }
table.grid td { padding: 3pt 5pt; vertical-align: top; border-bottom: 1px solid #e5e5ea; }
td.num { text-align: right; }
.mono { font-family: 'DejaVu Sans Mono', monospace; font-size: 6.5pt; white-space: nowrap; }
.path { font-size: 8pt; }
.dim { color: #6e6e73; }
.warn { color: #b3261e; font-weight: 600; }
.ok { color: #1e7d34; font-weight: 600; }
)";

} // namespace

QString ReportDocument::pageHeading(const Report& report) {
    QString heading = report.title;
    if (report.startedAt.isValid())
        heading += QStringLiteral(" · ") + when(report.startedAt);
    return heading;
}

QString ReportDocument::html(const Report& report, const QHash<qsizetype, QImage>& thumbnails,
                             Pictures pictures) {
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\"><head><meta "
                                  "charset=\"utf-8\"><title>%1</title><style>%2</style></head>"
                                  "<body>")
                       .arg(esc(report.title), QString::fromLatin1(style));
    html += QStringLiteral("<h1>%1</h1>").arg(esc(report.title));
    const bool proved = report.failures.isEmpty();
    html += QStringLiteral("<p class=\"sub\">%1 · %2 %3</p>")
                .arg(esc(filesAndSize(report.rows.size(), report.bytes())),
                     esc((QStringList{QStringLiteral("SHA-256")} + report.hashFormats)
                             .join(QStringLiteral(", "))),
                     proved ? QStringLiteral("<span class=\"ok\">%1</span>")
                                  .arg(esc(Words::tr("· every copy proved")))
                            : QStringLiteral("<span class=\"warn\">%1</span>")
                                  .arg(esc(Words::tr("· finished with problems"))));
    if (report.runs.size() == 1) {
        html += runHeader(report.runs.first());
    } else if (!report.runs.isEmpty()) {
        html += QStringLiteral("<h2>%1</h2>").arg(esc(Words::tr("Offloads")));
        html += runsTable(report);
    }
    html += QStringLiteral("<h2>%1</h2>").arg(esc(Words::tr("Destinations")));
    html += destinationsTable(report);
    if (!report.failures.isEmpty()) {
        html += QStringLiteral("<h2>%1</h2><ul>").arg(esc(Words::tr("Problems")));
        for (const QString& failure : report.failures)
            html += QStringLiteral("<li class=\"warn\">%1</li>").arg(esc(failure));
        html += QStringLiteral("</ul>");
    }
    html += QStringLiteral("<h2>%1</h2>").arg(esc(Words::tr("Files")));
    html += gridStart();
    // Widths a text document keeps to: a digest must fit on its line.
    const QList<std::pair<QString, int>> heads{{QString(), 11},
                                               {Words::tr("File"), 23},
                                               {Words::tr("Digests"), 35},
                                               {Words::tr("Verified copies"), 31}};
    for (const auto& [head, percent] : heads)
        html += QStringLiteral("<th width=\"%2%\">%1</th>").arg(esc(head)).arg(percent);
    html += QStringLiteral("</tr></thead>");
    for (qsizetype i = 0; i < report.rows.size(); ++i)
        html += fileRow(report, i, thumbnails, pictures);
    html += QStringLiteral("</table></body></html>\n");
    return html;
}

} // namespace stowly
