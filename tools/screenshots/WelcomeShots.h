#pragma once

#include <QString>

// Renders every screen of the first-run setup in each look into `folder`.
void shootWelcome(const QString& folder);
