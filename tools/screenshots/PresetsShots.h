#pragma once
#include <QString>
void shootPresets(const QString& folder);
