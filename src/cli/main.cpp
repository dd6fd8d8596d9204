#include "copy/Ledger.h"
#include "media/CardInventory.h"
#include "media/ClipScanner.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace stowly;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Stowly"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2 || args[0] != u"scan") {
        err << "usage: stowly-cli scan CARD\n";
        return 2;
    }
    const QString card = args[1];
    const QString identity = card.mid(card.lastIndexOf(u'/') + 1);
    const ClipScanner::Result scan =
        ClipScanner::scanReport(card, ClipScanner::allCategories(), FileRules::standard());
    Ledger ledger(Ledger::defaultFileURL());
    const CardInventory inventory = CardInventory::classify(
        scan.clips, identity, ledger.entriesByKey(), CardInventory::diskFileSize);
    for (const Clip& clip : inventory.newFiles)
        out << "new        " << clip.relativePath << '\n';
    for (const Clip& clip : inventory.offloaded)
        out << "offloaded  " << clip.relativePath << '\n';
    for (const Clip& clip : inventory.missing)
        out << "missing    " << clip.relativePath << '\n';
    for (const QString& path : scan.ignored)
        out << "ignored    " << path << '\n';
    return 0;
}
