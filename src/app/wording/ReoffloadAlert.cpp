#include "app/wording/ReoffloadAlert.h"

#include <QCoreApplication>

namespace stowly {

Confirmation ReoffloadAlert::everythingText(const QString& cardName, qsizetype fileCount) {
    const QString files = fileCount == 1
                              ? QCoreApplication::translate("ReoffloadAlert", "The 1 file")
                              : QCoreApplication::translate("ReoffloadAlert", "All %n files",
                                                            nullptr, int(fileCount));
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

namespace {

// "the 1 file", "the 3 files"
QString theFiles(qsizetype fileCount) {
    return fileCount == 1 ? QCoreApplication::translate("ReoffloadAlert", "the 1 file")
                          : QCoreApplication::translate("ReoffloadAlert", "the %n files", nullptr,
                                                        int(fileCount));
}

// " (7 copies)" where the files were offloaded more than once; empty otherwise.
QString copiesNote(qsizetype fileCount, qsizetype copyCount) {
    if (copyCount == fileCount)
        return {};
    return QCoreApplication::translate("ReoffloadAlert", " (%n copies)", nullptr, int(copyCount));
}

} // namespace

Confirmation ReoffloadAlert::forgetText(const QString& cardName, qsizetype fileCount,
                                        qsizetype copyCount) {
    return {QCoreApplication::translate("ReoffloadAlert", "Forget the offload history of “%1”?")
                .arg(cardName),
            QCoreApplication::translate(
                "ReoffloadAlert",
                "Stowly will forget %1 it offloaded from this card%2, so they show as new and "
                "are copied again next time. The copies already at the destination aren’t "
                "touched.\n\nUntil this card is offloaded again, it won’t be ready to format.")
                .arg(theFiles(fileCount), copiesNote(fileCount, copyCount)),
            QCoreApplication::translate("ReoffloadAlert", "Forget History")};
}

QString ReoffloadAlert::forgottenText(const QString& quotedCardName, qsizetype fileCount,
                                      qsizetype copyCount) {
    return QCoreApplication::translate("ReoffloadAlert",
                                       "Stowly forgot %1 it offloaded from %2%3. The copies "
                                       "already at the destination aren’t touched.")
        .arg(theFiles(fileCount), quotedCardName, copiesNote(fileCount, copyCount));
}

} // namespace stowly
