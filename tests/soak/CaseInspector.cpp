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

QString CaseInspector::shown(const QString& path) const {
    return path.mid(m_world.folder().size() + 1);
}

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

    // Looked at where the files really are (a share's on its server's disk), named as the
    // program names them.
    for (const QString& root : m_world.roots()) {
        const QString disk = m_world.onDisk(root);
        QDirIterator it(disk, QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString found = it.next();
            const QString path = root + found.mid(disk.size());
            struct stat info;
            if (path.endsWith(partialSuffix))
                look.partials.append(shown(path));
            else if (::stat(QFile::encodeName(found).constData(), &info) == 0)
                look.copies.insert(path, {quint64(info.st_ino), digestOf(found)});
        }
    }
    for (auto seen = m_seen.cbegin(); seen != m_seen.cend(); ++seen) {
        const QString name = shown(seen.key());
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
        const QFileInfo info(m_world.onDisk(entry.destination));
        const auto copy = look.copies.constFind(entry.destination);
        const QByteArray digest =
            copy != look.copies.cend() ? copy->sha256 : digestOf(info.filePath());
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
    const QStringList roots = m_world.roots();
    const auto rootOf = [&](const QString& path) {
        return std::find_if(roots.cbegin(), roots.cend(),
                            [&](const QString& root) { return path.startsWith(root + u'/'); }) -
               roots.cbegin();
    };

    // By card file and root: the paths under the root it is recorded with.
    QHash<std::pair<qsizetype, QString>, QList<QStringList>> recorded;
    for (const Entry& entry : state.entries) {
        QList<QStringList>& at = recorded[{entry.card, entry.source}];
        at.resize(roots.size() + 1);
        const qsizetype root = rootOf(entry.destination);
        at[root] << entry.destination.mid(roots.value(root).size() + 1);
    }
    QHash<std::pair<qsizetype, QByteArray>, QStringList> copiesOf;
    for (auto copy = copies.cbegin(); copy != copies.cend(); ++copy) {
        if (std::any_of(m_cards.cbegin(), m_cards.cend(), [&](const InspectedCard& card) {
                return card.card->withDigest(copy->sha256);
            }))
            copiesOf[{rootOf(copy.key()), copy->sha256}] << copy.key();
        else
            problems << Problem{"a file that is no card file",
                                shown(copy.key()) + " is no card file"};
    }
    for (qsizetype card = 0; card < m_cards.size(); ++card) {
        // Named after the card when there are several.
        const QString of =
            m_cards.size() > 1 ? " of " + m_cards[card].card->path().section(u'/', -1) : QString();
        for (const SoakCard::File& file : m_cards[card].card->files()) {
            QList<QStringList> at = recorded.value({card, file.relativePath});
            at.resize(roots.size() + 1);
            QStringList times;
            for (qsizetype root = 0; root < at.size(); ++root)
                times << QString("%1 times at %2")
                             .arg(at[root].size())
                             .arg(root < roots.size() ? shown(roots[root]) : "other places");
            if (std::any_of(at.cbegin(), at.cend() - 1,
                            [](const QStringList& paths) { return paths.size() != 1; }) ||
                !at.last().isEmpty())
                problems << Problem{
                    "a card file is not recorded once",
                    QString("%1%2 is recorded %3").arg(file.relativePath, of, times.join(", "))};
            // Unless its name there is taken by a copy a run said it could not remember.
            else if (roots.size() > 1 && at[1] != at[0] &&
                     !m_unremembered.contains(roots[1] + u'/' + at[0][0]))
                problems << Problem{"a backup copy is not where its first copy is",
                                    QString("%1%2 is recorded as %3 at the destination, but as "
                                            "%4 at the backup")
                                        .arg(file.relativePath, of, at[0][0], at[1][0])};
            for (qsizetype root = 0; root < roots.size(); ++root) {
                QStringList found = copiesOf.value({root, file.sha256});
                // Copies a run said it could not remember are extra, never missing.
                const qsizetype unremembered =
                    std::count_if(found.cbegin(), found.cend(), [&](const QString& path) {
                        return m_unremembered.contains(path);
                    });
                if (found.size() == 1 || (!found.isEmpty() && found.size() - unremembered == 1))
                    continue;
                for (QString& path : found)
                    path = shown(path);
                found.sort();
                problems << Problem{
                    found.isEmpty() ? "a card file has no copy" : "a card file has several copies",
                    QString("%1%2 has %3 copies in %4%5")
                        .arg(file.relativePath, of)
                        .arg(found.size())
                        .arg(shown(roots[root]),
                             found.isEmpty() ? QString() : ": " + found.join(", "))};
            }
        }
    }
    for (const QString& partial : state.partials)
        problems << Problem{"a partial file was left", partial + " was left"};
    if (QFileInfo::exists(m_world.backlog()))
        problems << Problem{"the cascade backlog was left",
                            shown(m_world.backlog()) + " was left after the whole run"};
    return problems;
}

} // namespace stowly::soak
