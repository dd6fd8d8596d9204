#pragma once
#include <QString>
void shootNaming(const QString& folder);
