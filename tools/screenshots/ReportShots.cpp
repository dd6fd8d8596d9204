#include "screenshots/ReportShots.h"

#include "app/model/AppModel.h"
#include "print/ReportThumbnails.h"
#include "print/ReportWriter.h"
#include "screenshots/ShotLooks.h"
#include "support/TestSupport.h"
#include "ui/ReportWindow.h"

#include <QDir>

#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

using namespace stowly;
using namespace stowly::test;

void shootReport(AppModel& model, const QString& folder) {
    const QList<RunRecord> runs = model.runLog().load();
    if (runs.isEmpty()) {
        std::fprintf(stderr, "no run to report\n");
        return;
    }
    // The fullest run: enough files for two pages.
    const RunRecord& fullest =
        *std::max_element(runs.cbegin(), runs.cend(), [](const RunRecord& a, const RunRecord& b) {
            return a.copies.size() < b.copies.size();
        });
    const ReportScope scope{ReportScope::Kind::run, fullest.id};
    for (const Look& look : looks) {
        useLook(look);
        ReportWindow window(model, scope);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        spinUntil([&] { return window.isReady() && window.windowTitle() != u"Report"; });
        // The pictures come after the text.
        spinUntil([] { return false; }, 1500);
        settle();
        save(window.grab(),
             QStringLiteral("%1/19-report-window-%2.png").arg(folder, QLatin1String(look.name)));
    }

    auto built = model.report(scope);
    const Report& report = std::get<Report>(built);
    const QString pdf = folder + QStringLiteral("/19-report.pdf");
    if (auto failed =
            ReportWriter::writeFile(report, ReportThumbnails::draw(report), ReportFormat::pdf, pdf))
        std::fprintf(stderr, "%s\n", qPrintable(*failed));
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        return;
    QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("80"), QStringLiteral("-l"),
                                 QStringLiteral("2"), QStringLiteral("-png"), pdf,
                                 folder + QStringLiteral("/19-report-pdf-page")});
    for (const QString& page :
         QDir(folder).entryList({QStringLiteral("19-report-pdf-page*.png")}, QDir::Files))
        std::printf("%s/%s\n", qPrintable(folder), qPrintable(page));
}
