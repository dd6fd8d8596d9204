#pragma once
#include <QString>
// A card whose backup is made from its first copies: free to go while the backup is still made.
void shootCascade(const QString& folder);
