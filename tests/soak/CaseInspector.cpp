#include "CaseInspector.h"

#include "CaseWorld.h"
#include "SoakCard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>

#include <algorithm>

namespace stowly::soak {
namespace {

const QString partialSuffix = ".stowly-partial";

QByteArray digestOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

QString hex(const QByteArray& digest) {
    return QString::fromLatin1(digest.toHex().left(12));
}

} // namespace

CaseInspector::CaseInspector(const CaseWorld& world, const QList<InspectedCard>& cards)
    : m_world(world), m_cards(cards) {}

CaseInspector::Look CaseInspector::look() {
    Look look;
    QList<Problem>& problems = look.problems;
    const QString noLoad = "the history does not load";
    const RunOutcome history = m_world.run({"history", "--json"}, 60000);
    const QString said = QString::fromUtf8(history.err).trimmed();
    if (history.status != 0)
        problems << Problem{
            noLoad,
            QString("history --json ended with status %1: %2").arg(history.status).arg(said)};
    else if (said.contains("Couldn’t read the ledger"))
        problems << Problem{noLoad, "the history did not load: " + said};
    const QStringList asides =
        QDir(m_world.historyFolder()).entryList({"ledger.json.corrupt-*"}, QDir::Files);
    if (!asides.isEmpty())
        problems << Problem{"the history was set aside",
                            "the history was set aside as " + asides.join(", ")};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(history.out, &error);
    if (history.status == 0 && !document.isArray())
        problems << Problem{noLoad, "history --json printed no list: " + error.errorString()};
    for (const QJsonValue& value : document.array()) {
        const QJsonObject entry = value.toObject();
        const QString key = entry.value("sourceKey").toString();
        for (qsizetype card = 0; card < m_cards.size(); ++card)
            if (key.startsWith(m_cards[card].identity + u'|'))
                look.entries.append(
                    {card, entry.value("sourceRelativePath").toString(),
                     entry.value("destinationPath").toString(), entry.value("size").toInteger(-1),
                     QByteArray::fromHex(entry.value("sha256").toString().toLatin1())});
    }

    const QString root = m_world.destination();
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info;
        if (path.endsWith(partialSuffix))
            look.partials.append(path.mid(root.size() + 1));
        else if (::stat(QFile::encodeName(path).constData(), &info) == 0)
            look.copies.insert(path, {quint64(info.st_ino), digestOf(path)});
    }
    for (auto seen = m_seen.cbegin(); seen != m_seen.cend(); ++seen) {
        const QString name = seen.key().mid(root.size() + 1);
        const auto now = look.copies.constFind(seen.key());
        if (now == look.copies.cend())
            problems << Problem{"a copy disappeared", "the copy " + name + " disappeared"};
        else if (now->inode != seen->inode)
            problems << Problem{"a copy was replaced",
                                QString("the copy %1 was replaced (inode %2, before %3)")
                                    .arg(name)
                                    .arg(now->inode)
                                    .arg(seen->inode)};
        else if (now->sha256 != seen->sha256)
            problems << Problem{"a copy changed",
                                QString("the copy %1 changed (sha256 %2…, before %3…)")
                                    .arg(name, hex(now->sha256), hex(seen->sha256))};
    }
    for (auto copy = look.copies.cbegin(); copy != look.copies.cend(); ++copy)
        m_seen.insert(copy.key(), m_seen.value(copy.key(), *copy));

    // The card and file each copy is recorded for: one only, whatever the number of records.
    QHash<QString, std::pair<qsizetype, QString>> recordedFor;
    for (const Entry& entry : look.entries) {
        const QString owner = m_cards[entry.card].card->path().section(u'/', -1);
        const auto other = recordedFor.constFind(entry.destination);
        if (other == recordedFor.cend())
            recordedFor.insert(entry.destination, {entry.card, entry.source});
        else if (*other != std::pair(entry.card, entry.source))
            problems << Problem{"two files are recorded with one copy",
                                QString("%1 of %2 and %3 of %4 are both recorded as copied to %5")
                                    .arg(other->second,
                                         m_cards[other->first].card->path().section(u'/', -1),
                                         entry.source, owner, entry.destination)};
        const SoakCard::File* file = m_cards[entry.card].card->at(entry.source);
        if (!file || file->size != entry.size || file->sha256 != entry.sha256)
            problems << Problem{"a record is not of its card's file",
                                QString("%1 of %2 is recorded with %3 bytes, sha256 %4…, which "
                                        "are not that file's")
                                    .arg(entry.source, owner)
                                    .arg(entry.size)
                                    .arg(hex(entry.sha256))};
        const QFileInfo info(entry.destination);
        const auto copy = look.copies.constFind(entry.destination);
        const QByteArray digest =
            copy != look.copies.cend() ? copy->sha256 : digestOf(entry.destination);
        if (!info.isFile())
            problems << Problem{"a recorded copy is missing",
                                QString("%1 is recorded as copied to %2, which is not there")
                                    .arg(entry.source, entry.destination)};
        else if (info.size() != entry.size || digest != entry.sha256)
            problems << Problem{"a recorded copy differs",
                                QString("%1 is recorded with %2 bytes, sha256 %3…; its copy %4 "
                                        "has %5 bytes, %6…")
                                    .arg(entry.source)
                                    .arg(entry.size)
                                    .arg(hex(entry.sha256), entry.destination)
                                    .arg(info.size())
                                    .arg(hex(digest))};
    }
    return look;
}

QList<Problem> CaseInspector::check() {
    return look().problems;
}

void CaseInspector::copiesNotRemembered() {
    const Look state = look();
    QSet<QString> recorded;
    for (const Entry& entry : state.entries)
        recorded.insert(entry.destination);
    for (auto copy = state.copies.cbegin(); copy != state.copies.cend(); ++copy)
        if (!recorded.contains(copy.key()))
            m_unremembered.insert(copy.key());
}

QList<Problem> CaseInspector::checkComplete() {
    Look state = look();
    QList<Problem>& problems = state.problems;
    const QHash<QString, Copy>& copies = state.copies;

    QHash<std::pair<qsizetype, QString>, int> recorded;
    for (const Entry& entry : state.entries)
        ++recorded[{entry.card, entry.source}];
    QHash<QByteArray, QStringList> copiesOf;
    const QString root = m_world.destination();
    for (auto copy = copies.cbegin(); copy != copies.cend(); ++copy) {
        const QString name = copy.key().mid(root.size() + 1);
        if (std::any_of(m_cards.cbegin(), m_cards.cend(), [&](const InspectedCard& card) {
                return card.card->withDigest(copy->sha256);
            }))
            copiesOf[copy->sha256] << name;
        else
            problems << Problem{"a file that is no card file",
                                name + " at the destination is no card file"};
    }
    for (qsizetype card = 0; card < m_cards.size(); ++card) {
        // Named after the card when there are several.
        const QString of =
            m_cards.size() > 1 ? " of " + m_cards[card].card->path().section(u'/', -1) : QString();
        for (const SoakCard::File& file : m_cards[card].card->files()) {
            const int times = recorded.value({card, file.relativePath});
            if (times != 1)
                problems << Problem{
                    "a card file is not recorded once",
                    QString("%1%2 is recorded %3 times").arg(file.relativePath, of).arg(times)};
            QStringList found = copiesOf.value(file.sha256);
            found.sort();
            // Copies a run said it could not remember are extra, never missing.
            const qsizetype unremembered =
                std::count_if(found.cbegin(), found.cend(), [&](const QString& name) {
                    return m_unremembered.contains(root + u'/' + name);
                });
            if (found.size() != 1 && (found.isEmpty() || found.size() - unremembered != 1))
                problems << Problem{
                    found.isEmpty() ? "a card file has no copy" : "a card file has several copies",
                    QString("%1%2 has %3 copies at the destination%4")
                        .arg(file.relativePath, of)
                        .arg(found.size())
                        .arg(found.isEmpty() ? QString() : ": " + found.join(", "))};
        }
    }
    for (const QString& partial : state.partials)
        problems << Problem{"a partial file was left", partial + " was left at the destination"};
    return problems;
}

} // namespace stowly::soak
