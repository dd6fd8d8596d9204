#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <variant>

namespace stowly {

// The chain file ascmhl_chain.xml: every manifest of a history in order, with its generation
// number and the C4 id of its exact bytes, so a changed or swapped manifest shows.
struct MhlChain {
    struct Link {
        int sequenceNumber = 0;
        // The manifest's file name, relative to the ascmhl folder.
        QString path;
        QString c4;

        friend bool operator==(const Link&, const Link&) = default;
    };

    QList<Link> links;

    QByteArray toXml() const;
    // The chain, or what is wrong with it in words that name `fileName`. Sequence numbers
    // must run 1, 2, 3… without a gap.
    static std::variant<MhlChain, QString> fromXml(const QByteArray& bytes,
                                                   const QString& fileName);
};

} // namespace stowly
