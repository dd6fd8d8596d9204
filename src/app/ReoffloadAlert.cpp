#include "app/ReoffloadAlert.h"

namespace stowly {

Confirmation ReoffloadAlert::everythingText(const QString& cardName, qsizetype fileCount) {
    const QString files = fileCount == 1 ? QStringLiteral("The 1 file")
                                         : QStringLiteral("All %1 files").arg(fileCount);
    return {QStringLiteral("Re-offload everything on “") + cardName + QStringLiteral("”?"),
            files +
                QStringLiteral(" will be copied and verified again as new copies, including ones "
                               "already offloaded. Existing copies are never overwritten: the "
                               "usual naming rules apply, so new copies get the next sequence "
                               "number, or “_2” at the end of the name."),
            QStringLiteral("Re-offload Everything")};
}

Confirmation ReoffloadAlert::forgetText(const QString& cardName, qsizetype entryCount) {
    const QString files = entryCount == 1 ? QStringLiteral("the 1 file")
                                          : QStringLiteral("the %1 files").arg(entryCount);
    return {QStringLiteral("Forget the offload history of “") + cardName + QStringLiteral("”?"),
            QStringLiteral("Stowly will forget ") + files +
                QStringLiteral(" it offloaded from this card, so they show as new and are copied "
                               "again next time. The copies already at the destination aren’t "
                               "touched.\n\nUntil this card is offloaded again, it won’t be "
                               "ready to format."),
            QStringLiteral("Forget History")};
}

} // namespace stowly
