#pragma once

#include "diagnostics/CrashReports.h"

#include <memory>

class QWidget;

namespace stowly {

class MailHandoff;

// The question after a crash: send the report by e-mail, or not now.
namespace CrashReportOffer {
// Asks over parent (modal) and composes the e-mail with the report when the user agrees.
void ask(QWidget* parent, const CrashReports::File& report,
         std::shared_ptr<MailHandoff> handoff = nullptr);
} // namespace CrashReportOffer

} // namespace stowly
