#pragma once
#include <QString>
namespace stowly {
class AppModel;
}
// The report of the model's last offload: the window that shows it, in every look, and the
// first two pages of its PDF.
void shootReport(stowly::AppModel& model, const QString& folder);
