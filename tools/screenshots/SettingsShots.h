#pragma once
#include <QString>
void shootSettings(const QString& folder);
