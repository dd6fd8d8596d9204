#pragma once

#include "diagnostics/CrashReports.h"

#include <QUrl>

#include <memory>
#include <optional>

class QWidget;

namespace stowly {

class MailHandoff;

// Reports and links on their way out of Stowly, and what the user is told when nothing took
// them: nothing is ever said to be sent that was not handed over.
namespace MailDelivery {
// Composes a bug report (with the crash report, when given). Where no mail program takes it,
// the folder it was kept in is shown in the file manager with where to send it.
void sendBugReport(QWidget* parent, const std::optional<CrashReports::File>& crash,
                   std::shared_ptr<MailHandoff> handoff);
// Opens a mail or web link; where nothing opens it, says what it was.
void openLink(QWidget* parent, const QUrl& link, std::shared_ptr<MailHandoff> handoff);
} // namespace MailDelivery

} // namespace stowly
