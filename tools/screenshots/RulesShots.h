#pragma once
#include <QString>
void shootRules(const QString& folder);
