#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace stowly::soak {

class CaseWorld;
class SoakCard;

// One thing wrong, by its kind, which the campaign counts, and in detail.
struct Problem {
    QString kind;
    QString text;
};

// A card of the case and the identity its history entries begin with.
struct InspectedCard {
    const SoakCard* card = nullptr;
    QString identity;
};

// Looks at what the runs of one case left behind, from outside, and remembers every copy it has
// seen so that a copy replaced or changed later in the case shows.
class CaseInspector {
public:
    CaseInspector(const CaseWorld& world, const QList<InspectedCard>& cards);

    // After any run: the history loads, every recorded copy is there as recorded, with the
    // bytes of the card file it is recorded for and a name no other file's record has, and no
    // copy seen before was replaced, changed or removed. Returns the problems found.
    QList<Problem> check();
    // After the last run of a case: besides check(), every file of every card is recorded once
    // at the destination and, with a cascade, once at the backup under the same path; each has
    // exactly one copy there and nothing else is; and no backlog of cascaded copies is left.
    QList<Problem> checkComplete();
    // A run said that its copies are made but not remembered: the copies not recorded now may
    // have a second copy later, when a run copies their files again.
    void copiesNotRemembered();

private:
    struct Copy {
        quint64 inode = 0;
        QByteArray sha256;
    };
    struct Entry {
        // Into m_cards.
        qsizetype card = 0;
        QString source;
        QString destination;
        qint64 size = 0;
        QByteArray sha256;
    };

    struct Look {
        QList<Problem> problems;
        QList<Entry> entries;
        QHash<QString, Copy> copies;
        QStringList partials;
    };

    Look look();
    // A path in the case's folder, as problems name it.
    QString shown(const QString& path) const;

    const CaseWorld& m_world;
    QList<InspectedCard> m_cards;
    QHash<QString, Copy> m_seen;
    // Copies at the destination that a run made and said it could not remember.
    QSet<QString> m_unremembered;
};

} // namespace stowly::soak
