#pragma once

#include "report/Report.h"

#include <QDialog>
#include <QHash>
#include <QImage>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace stowly {

class AppModel;

// A report shown as it prints, with its pictures drawn by the decoding helper in the
// background, and saved in any of its forms.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportWindow(AppModel& model, const ReportScope& scope, QWidget* parent = nullptr);

    // Opens the window for the scope, or says why there is no report.
    static void open(AppModel& model, const ReportScope& scope, QWidget* parent);
    bool isReady() const { return m_ready; }

Q_SIGNALS:
    void ready();

private:
    void present(const Report& report, const QHash<qsizetype, QImage>& thumbnails);
    void save();

    QTextBrowser* m_browser;
    QLabel* m_status;
    QPushButton* m_save;
    std::optional<Report> m_report;
    QHash<qsizetype, QImage> m_thumbnails;
    bool m_ready = false;
};

} // namespace stowly
