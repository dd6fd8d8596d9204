#include "app/ReoffloadAlert.h"

#include <QCoreApplication>

namespace stowly {

Confirmation ReoffloadAlert::everythingText(const QString& cardName, qsizetype fileCount) {
    const QString files =
        fileCount == 1
            ? QCoreApplication::translate("ReoffloadAlert", "The 1 file")
            : QCoreApplication::translate("ReoffloadAlert", "All %1 files").arg(fileCount);
    return {QCoreApplication::translate("ReoffloadAlert", "Re-offload everything on “%1”?")
                .arg(cardName),
            QCoreApplication::translate(
                "ReoffloadAlert",
                "%1 will be copied and verified again as new copies, including ones already "
                "offloaded. Existing copies are never overwritten: the usual naming rules apply, "
                "so new copies get the next sequence number, or “_2” at the end of the name.")
                .arg(files),
            QCoreApplication::translate("ReoffloadAlert", "Re-offload Everything")};
}

Confirmation ReoffloadAlert::forgetText(const QString& cardName, qsizetype entryCount) {
    const QString files =
        entryCount == 1
            ? QCoreApplication::translate("ReoffloadAlert", "the 1 file")
            : QCoreApplication::translate("ReoffloadAlert", "the %1 files").arg(entryCount);
    return {QCoreApplication::translate("ReoffloadAlert", "Forget the offload history of “%1”?")
                .arg(cardName),
            QCoreApplication::translate(
                "ReoffloadAlert",
                "Stowly will forget %1 it offloaded from this card, so they show as new and are "
                "copied again next time. The copies already at the destination aren’t touched.\n\n"
                "Until this card is offloaded again, it won’t be ready to format.")
                .arg(files),
            QCoreApplication::translate("ReoffloadAlert", "Forget History")};
}

} // namespace stowly
