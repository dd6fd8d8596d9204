// A report of 2,000 photos: to PDF with a picture of each (drawn by the decoding helper), and
// to CSV. Targets: PDF under 30 s, CSV under 1 s.
#include "BenchSupport.h"

#include "print/ReportThumbnails.h"
#include "print/ReportWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

using namespace stowly;
using namespace stowly::bench;

namespace {

QByteArray photo(int seed) {
    QImage image(1200, 800, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, image.width(), image.height());
    gradient.setColorAt(0, QColor::fromHsv(seed * 37 % 360, 120, 220));
    gradient.setColorAt(1, QColor::fromHsv((seed * 37 + 160) % 360, 160, 80));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int files = argc > 1 ? QByteArray(argv[1]).toInt() : 2000;
    const QString folder = makeWorkFolder(QStringLiteral("report"));

    Report made;
    made.scope = {ReportScope::Kind::run, QStringLiteral("bench")};
    made.title = QStringLiteral("Offload of “A001”");
    RunRecord run;
    run.id = QStringLiteral("bench");
    run.card = {QStringLiteral("A001"), QStringLiteral("5E2A-11C4"), 128'000'000'000,
                QStringLiteral("exfat")};
    run.startedAt = QDateTime::currentDateTimeUtc().addSecs(-600);
    run.endedAt = QDateTime::currentDateTimeUtc();
    run.destinations = {{folder, RunRecord::Destination::Role::main, true, true}};
    made.runs = {run};
    made.destinations = {folder};
    made.hashFormats = {QStringLiteral("xxh128")};
    const QList<QByteArray> photos{photo(1), photo(2), photo(3), photo(4)};
    for (int i = 0; i < files; ++i) {
        const QString name = QStringLiteral("DSC%1.JPG").arg(i, 5, 10, QChar(u'0'));
        QFile file(folder + u'/' + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(photos[i % 4]) < 0)
            return 1;
        ReportRow row;
        row.cardName = run.card.name;
        row.source = QStringLiteral("DCIM/100MSDCF/") + name;
        row.size = photos[i % 4].size();
        row.sha256 = QString(64, u'a');
        row.xxh128 = QString(32, u'b');
        row.copies = {{folder, file.fileName(), run.endedAt}};
        row.facts.cameraMake = QStringLiteral("Canon");
        row.facts.cameraModel = QStringLiteral("EOS R5");
        row.facts.iso = 400;
        row.facts.exposureTime = 1.0 / 250;
        made.rows.append(row);
    }
    made.totals = {{folder, files, 0}};

    QHash<qsizetype, QImage> thumbnails;
    const double pictures = secondsOf([&] { thumbnails = ReportThumbnails::draw(made); });
    const double pdf = secondsOf([&] {
        ReportWriter::writeFile(made, thumbnails, ReportFormat::pdf, folder + "/made.pdf");
    });
    const double csv = secondsOf(
        [&] { ReportWriter::writeFile(made, {}, ReportFormat::csv, folder + "/made.csv"); });
    QTextStream(stdout) << files << " files, " << thumbnails.size() << " pictures, PDF of "
                        << QFileInfo(folder + "/made.pdf").size() / 1'000'000 << " MB\n";
    report("pictures drawn by the helper", pictures, "s");
    report("PDF laid out and written", pdf, "s");
    report("PDF in all (target under 30 s)", pictures + pdf, "s");
    report("CSV (target under 1 s)", csv * 1000, "ms");
    removeFolder(folder);
    return 0;
}
