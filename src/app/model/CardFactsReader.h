#pragma once

#include "media/FactsReading.h"
#include "media/FactsScanner.h"

#include <QObject>

#include <memory>

namespace stowly {

class CardDesk;

// Reads the facts of a scanned card's clips and photos in the background and hands them to its
// desk as they come, remembering every reading by the file's history key for the application's
// run (never on the card). Two files at a time, in helpers of low priority, and not at all while
// the card is being copied from.
class CardFactsReader : public QObject {
    Q_OBJECT
public:
    explicit CardFactsReader(std::shared_ptr<FactsReading> reader, QObject* parent = nullptr);

    // Reads the files of the desk's inventory, new ones first; a reading of the desk still
    // going is stopped.
    void read(CardDesk& desk);

    const FactsScanner::Cache& cache() const { return m_cache; }

private:
    std::shared_ptr<FactsReading> m_reader;
    FactsScanner::Cache m_cache;
};

} // namespace stowly
