#include "naming/PlanLayout.h"

#include <QSet>

namespace stowly {

QStringList PlanLayout::folders(const QList<PlannedFile>& plan) {
    QStringList folders;
    QSet<QString> seen;
    for (const PlannedFile& file : plan) {
        if (!seen.contains(file.folder)) {
            seen.insert(file.folder);
            folders.append(file.folder);
        }
    }
    return folders;
}

} // namespace stowly
