#pragma once

#include "mhl/MhlChain.h"
#include "mhl/MhlManifest.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <variant>

namespace stowly {

// The ASC MHL history of one folder: the folder "ascmhl" at its top, holding one manifest per
// generation and the chain that lists them. Manifests are never changed once written; each
// later operation appends a generation.
class MhlHistory {
public:
    struct Generation {
        int number = 0;
        QString fileName;
        MhlManifest manifest;
    };

    static QString folderName() { return QStringLiteral("ascmhl"); }
    static QString chainFileName() { return QStringLiteral("ascmhl_chain.xml"); }
    // Whether `scope` has a history at all.
    static bool exists(const QString& scope);

    // The history of `scope`, every manifest read and checked against the C4 id the chain
    // holds for it; empty where there is no history yet. What is wrong, in words, otherwise.
    static std::variant<MhlHistory, QString> load(const QString& scope);

    // "NNNN_<folder>_<YYYY-MM-DD>_<HHMMSS>Z.mhl", the time in UTC.
    static QString generationFileName(int number, const QString& folderName,
                                      const QDateTime& startedAt);

    const QString& scope() const { return m_scope; }
    const QList<Generation>& generations() const { return m_generations; }
    const MhlChain& chain() const { return m_chain; }

    // Every file the history records, each with its most recent record (older generations
    // for files not recorded since), in path order.
    QList<MhlManifest::File> recordedFiles() const;
    // The ignore patterns of the latest generation (the list only grows over a history's life).
    QStringList ignorePatterns() const;

    // Writes `manifest` as the next generation, named with `startedAt` (when the operation
    // began), never replacing a file, then the chain with its link. Earlier manifests are not
    // touched. Returns the failure in words, or nothing.
    std::optional<QString> append(const MhlManifest& manifest, const QDateTime& startedAt);

private:
    // A manifest takes its name before the chain lists it; one that a killed process left
    // without its link is the next generation, whole and true, and is linked here before another
    // takes its number. One that cannot be read stops the history from growing.
    std::optional<QString> takeInLeftManifest();

    QString m_scope;
    MhlChain m_chain;
    QList<Generation> m_generations;
};

} // namespace stowly
