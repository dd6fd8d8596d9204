#pragma once
#include <QString>
// The window with four cards at once: two copying, one waiting for its turn, one new.
void shootSeveralCards(const QString& folder);
