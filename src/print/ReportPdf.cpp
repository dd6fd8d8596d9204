#include "print/ReportPdf.h"

#include "print/ReportDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace stowly {

namespace {

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ReportPdf)
};

} // namespace

std::optional<QString> ReportPdf::write(const Report& report,
                                        const QHash<qsizetype, QImage>& thumbnails,
                                        const QString& path) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(12, 10, 12, 10), QPageLayout::Millimeter);
    writer.setResolution(144);
    writer.setTitle(report.title);
    writer.setCreator(QStringLiteral("Stowly"));
    QPainter painter;
    if (!painter.begin(&writer))
        return Words::tr("Couldn’t write the PDF at %1.").arg(path);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    document.setDocumentMargin(0);
    for (auto it = thumbnails.cbegin(); it != thumbnails.cend(); ++it)
        document.addResource(QTextDocument::ImageResource,
                             QUrl(QStringLiteral("thumb:%1").arg(it.key())), it.value());
    document.setHtml(ReportDocument::html(report, thumbnails, ReportDocument::Pictures::named));

    const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
    const qreal band = writer.resolution() * 0.3; // heading and footer, a little under 8 mm
    const QRectF body(0, band, page.width(), page.height() - 2 * band);
    document.setPageSize(body.size());
    const int pages = document.pageCount();

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPointSizeF(7.5);
    const QString heading = ReportDocument::pageHeading(report);
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !writer.newPage())
            return Words::tr("Couldn’t write the PDF at %1.").arg(path);
        painter.setFont(small);
        painter.setPen(QColor(0x6e, 0x6e, 0x73));
        painter.drawText(QRectF(0, 0, page.width(), band * 0.7),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, heading);
        painter.drawText(QRectF(0, page.height() - band * 0.7, page.width(), band * 0.7),
                         Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine,
                         Words::tr("Page %1 of %2").arg(p + 1).arg(pages));
        painter.drawText(QRectF(0, page.height() - band * 0.7, page.width(), band * 0.7),
                         Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine,
                         Words::tr("Made by Stowly. Every copy is proved with SHA-256."));
        painter.save();
        painter.translate(0, band - p * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, p * body.height(), body.width(), body.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    if (!painter.end())
        return Words::tr("Couldn’t write the PDF at %1.").arg(path);
    return std::nullopt;
}

} // namespace stowly
