#include "ui/MailDelivery.h"

#include "base/Background.h"
#include "diagnostics/BugReport.h"
#include "diagnostics/MailHandoff.h"
#include "diagnostics/Support.h"
#include "ui/FileManager.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>

namespace stowly {
namespace {

void tell(QWidget* parent, const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("mailNotHandedOver"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->open();
}

QString displayPath(const QString& path) {
    const QString home = QDir::homePath();
    return path.startsWith(home + u'/') ? u'~' + path.mid(home.size()) : path;
}

} // namespace

void MailDelivery::sendBugReport(QWidget* parent, const std::optional<CrashReports::File>& crash,
                                 std::shared_ptr<MailHandoff> handoff) {
    QPointer<QWidget> window(parent);
    BugReport::compose(crash, std::move(handoff), [window](const BugReport::Outcome& outcome) {
        if (outcome.handedOver())
            return;
        const QString title =
            QApplication::translate("MailDelivery", "No mail program took the report");
        if (outcome.keptFolder.isEmpty()) {
            tell(window, title,
                 QApplication::translate("MailDelivery",
                                         "Stowly couldn’t open your mail program or keep the "
                                         "report. To report the problem, write to %1.")
                     .arg(Support::emailAddress()));
            return;
        }
        FileManager().showItem(QDir(outcome.keptFolder).filePath(BugReport::messageFileName()));
        tell(window, title,
             QApplication::translate("MailDelivery",
                                     "Stowly couldn’t open your mail program, so the report was "
                                     "kept in “%1”. Please e-mail the files in that folder to %2.")
                 .arg(displayPath(outcome.keptFolder), Support::emailAddress()));
    });
}

void MailDelivery::openLink(QWidget* parent, const QUrl& link,
                            std::shared_ptr<MailHandoff> handoff) {
    QPointer<QWidget> window(parent);
    // The desktop's helper may take a few seconds to say whether anything took the link.
    background::run(
        QCoreApplication::instance(), [handoff, link] { return handoff->open(link); },
        [window, link](bool opened) {
            if (opened)
                return;
            if (link.scheme() == QStringLiteral("mailto"))
                tell(window, QApplication::translate("MailDelivery", "No mail program is set up"),
                     QApplication::translate("MailDelivery", "Write to %1 from any mail program.")
                         .arg(link.path()));
            else
                tell(window, QApplication::translate("MailDelivery", "No web browser is set up"),
                     QApplication::translate("MailDelivery", "The page is %1.")
                         .arg(link.toString()));
        });
}

} // namespace stowly
