#include "Check.h"
#include "FuzzInput.h"

#include "history/History.h"
#include "history/HistoryJournal.h"

#include <QFile>

using namespace stowly;

// A ledger's journal (before the first NUL byte) and its ledger file (after it), loaded the way
// the program starts: records taken in, intents of stopped runs settled. "$D" in the journal
// stands for the folder both files are in, so settling finds copies there.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput::setUp();
    auto [journalText, ledgerText] = fuzzInput::split(fuzzInput::bytes(data, size));
    const QString folder = fuzzInput::freshFolder();
    journalText.replace("$D", QFile::encodeName(folder));
    const QString path = folder + QStringLiteral("/ledger.json");
    if (!ledgerText.isEmpty())
        fuzzInput::write(QStringLiteral("ledger.json"), ledgerText);
    fuzzInput::write(QStringLiteral("ledger.json.journal"), journalText);
    fuzzInput::write(QStringLiteral("C0001.MP4.stowly-partial"), "partial");

    const HistoryJournal::Contents contents = HistoryJournal(path).read();
    // Settling reads copies back and removes partial files: only where this input lives.
    for (const HistoryJournal::Intent& intent : contents.openIntents)
        if (!intent.destinationPath.startsWith(folder + u'/') ||
            intent.destinationPath.contains(QStringLiteral("/..")))
            return 0;
    History first(path);
    if (first.lastError())
        return 0;
    // Whatever a load took in, the next start finds again.
    History second(path);
    FUZZ_CHECK(second.entries().size() == first.entries().size());
    return 0;
}
