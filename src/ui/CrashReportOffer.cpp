#include "ui/CrashReportOffer.h"

#include "diagnostics/MailHandoff.h"
#include "diagnostics/Support.h"
#include "ui/MailDelivery.h"

#include <QMessageBox>
#include <QPushButton>

namespace stowly {

void CrashReportOffer::ask(QWidget* parent, const CrashReports::File& report,
                           std::shared_ptr<MailHandoff> handoff) {
    QMessageBox box(QMessageBox::Warning, QObject::tr("Stowly"),
                    QObject::tr("Stowly quit unexpectedly last time. Send a crash report?"),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("crashReportOffer"));
    box.setInformativeText(
        QObject::tr("This opens a new email to %1 with the crash report and Stowly’s recent log "
                    "attached. File, card and drive names are left out. You can read it over "
                    "before sending.")
            .arg(Support::emailAddress()));
    QPushButton* send = box.addButton(QObject::tr("Send Report"), QMessageBox::AcceptRole);
    box.addButton(QObject::tr("Not Now"), QMessageBox::RejectRole);
    box.setDefaultButton(send);
    box.exec();
    if (box.clickedButton() == send)
        MailDelivery::sendBugReport(
            parent, report, handoff ? std::move(handoff) : std::make_shared<SystemMailHandoff>());
}

} // namespace stowly
