#include "ui/ReportWindow.h"

#include "app/model/AppModel.h"
#include "base/Background.h"
#include "print/ReportDocument.h"
#include "print/ReportThumbnails.h"
#include "print/ReportWriter.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace stowly {

ReportWindow::ReportWindow(AppModel& model, const ReportScope& scope, QWidget* parent)
    : QDialog(parent), m_browser(new QTextBrowser(this)), m_status(new QLabel(this)),
      m_save(new QPushButton(tr("Save As…"), this)) {
    setWindowTitle(tr("Report"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(1120, 760);
    m_browser->setObjectName(QStringLiteral("reportView"));
    m_browser->setAccessibleName(tr("Report"));
    m_browser->setOpenLinks(false);
    // The report is shown as it prints, on paper, whatever the window's theme.
    QPalette paper = m_browser->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, QColor(0x1d, 0x1d, 0x1f));
    m_browser->setPalette(paper);
    m_browser->document()->setDocumentMargin(16);
    m_status->setText(tr("Drawing the report’s pictures…"));
    m_save->setObjectName(QStringLiteral("saveReport"));
    m_save->setEnabled(false);
    m_save->setToolTip(tr("Save the report as a PDF, a web page, a CSV table or JSON"));
    connect(m_save, &QPushButton::clicked, this, &ReportWindow::save);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(m_status, 1);
    row->addWidget(m_save);
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addLayout(row);

    auto built = model.report(scope);
    if (const QString* nothing = std::get_if<QString>(&built)) {
        m_status->setText(*nothing);
        return;
    }
    Report report = std::move(std::get<Report>(built));
    setWindowTitle(report.title);
    // The text comes at once; the pictures follow from the helper.
    present(report, {});
    m_ready = false;
    m_status->setText(tr("Drawing the report’s pictures…"));
    background::run(
        this, [report] { return ReportThumbnails::draw(report); },
        [this, report](QHash<qsizetype, QImage> thumbnails) { present(report, thumbnails); });
}

void ReportWindow::open(AppModel& model, const ReportScope& scope, QWidget* parent) {
    auto* window = new ReportWindow(model, scope, parent);
    window->QDialog::show();
    window->raise();
}

void ReportWindow::present(const Report& report, const QHash<qsizetype, QImage>& thumbnails) {
    m_report = report;
    m_thumbnails = thumbnails;
    QTextDocument* document = m_browser->document();
    for (auto it = thumbnails.cbegin(); it != thumbnails.cend(); ++it)
        document->addResource(QTextDocument::ImageResource,
                              QUrl(QStringLiteral("thumb:%1").arg(it.key())), it.value());
    const int scroll = m_browser->verticalScrollBar() ? m_browser->verticalScrollBar()->value() : 0;
    m_browser->setHtml(ReportDocument::html(report, thumbnails, ReportDocument::Pictures::named));
    m_browser->verticalScrollBar()->setValue(scroll);
    m_status->setText(report.rows.size() == 1 ? tr("1 file")
                                              : tr("%n files", nullptr, int(report.rows.size())));
    m_save->setEnabled(true);
    m_ready = true;
    Q_EMIT ready();
}

void ReportWindow::save() {
    if (!m_report)
        return;
    const QString pdf = tr("PDF (*.pdf)");
    const QString html = tr("Web page (*.html)");
    const QString csv = tr("CSV table (*.csv)");
    const QString json = tr("JSON (*.json)");
    QString filter = pdf;
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save Report"),
        QDir::home().filePath(ReportWriter::baseName(*m_report) + QStringLiteral(".pdf")),
        QStringList{pdf, html, csv, json}.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return;
    const ReportFormat format = filter == html   ? ReportFormat::html
                                : filter == csv  ? ReportFormat::csv
                                : filter == json ? ReportFormat::json
                                                 : ReportFormat::pdf;
    if (auto failed = ReportWriter::writeFile(*m_report, m_thumbnails, format, path))
        QMessageBox::warning(this, tr("The report wasn’t saved"), *failed);
}

} // namespace stowly
