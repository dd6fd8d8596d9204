#pragma once
#include <QString>
// The range of dates, the drag of one name of a folder level, and the window on a desktop
// without an icon theme.
void shootStageDetails(const QString& folder);
